#include "model/ids.h"

#include <algorithm>
#include <limits>

namespace zev {

IdVergabe::IdVergabe(std::vector<std::int32_t> belegt, std::vector<Bereich> bereiche)
    : belegt_(std::move(belegt)), bereiche_(std::move(bereiche)) {
    std::sort(belegt_.begin(), belegt_.end());
    belegt_.erase(std::unique(belegt_.begin(), belegt_.end()), belegt_.end());
    BereichBeginnen();
}

void IdVergabe::BereichBeginnen() {
    if (bereich_ >= bereiche_.size()) return;
    kandidat_ = bereiche_[bereich_].first;
    pos_ = static_cast<std::size_t>(std::lower_bound(belegt_.begin(), belegt_.end(), kandidat_) - belegt_.begin());
}

std::int32_t IdVergabe::Naechste() {
    while (bereich_ < bereiche_.size()) {
        if (kandidat_ > bereiche_[bereich_].second) {
            ++bereich_;
            BereichBeginnen();
            continue;
        }
        while (pos_ < belegt_.size() && belegt_[pos_] < kandidat_) ++pos_;
        if (pos_ < belegt_.size() && belegt_[pos_] == kandidat_) {
            ++kandidat_;
            continue;
        }
        return static_cast<std::int32_t>(kandidat_++);
    }
    return 0;
}

std::vector<IdVergabe::Bereich> IdVergabe::DatensatzBereiche() {
    return {{1, 2147483646}, {-2147483646, -1}};
}

namespace {

std::vector<std::int32_t> UEIds(const TSchuleDS& s) {
    std::vector<std::int32_t> ids;
    ids.reserve(1000);
    for (int k = 1; k <= 1000; ++k) ids.push_back(s.Unterrichtseinheit[k].UE_ID);
    return ids;
}

} // namespace

std::int32_t NeueUEID(const TSchuleDS& schule) {
    return IdVergabe(UEIds(schule), {{1, std::numeric_limits<std::int32_t>::max()}}).Naechste();
}

std::int32_t NeueImportUEID(const TSchuleDS& schule) {
    return IdVergabe(UEIds(schule), {{-2147483647, std::numeric_limits<std::int32_t>::max()}}).Naechste();
}

} // namespace zev
