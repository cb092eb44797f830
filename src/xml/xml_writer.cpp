#include "xml/xml_writer.h"

#include "model/encoding.h"
#include "model/messages.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

namespace zev {

namespace {

// The opening and closing tags of every name of a table, made once: an export
// writes millions of elements, and each then costs a few copies only.
} // namespace

struct XmlSchreiber::TagTexte {
    static constexpr int kEbenen = 8;
    std::string auf;     // "<Tag>"
    std::string zu;      // "</Tag>"
    std::string zuZeile; // "</Tag>\r\n"
    // The same with the indentation of the levels in front, one copy per element.
    std::array<std::string, kEbenen> aufEingerueckt, zuEingerueckt;
};

namespace {

const std::vector<XmlSchreiber::TagTexte>& TexteVon(tags::Tabelle t) {
    using TagTexte = XmlSchreiber::TagTexte;
    static std::vector<std::pair<const void*, std::vector<TagTexte>>> cache;
    for (const auto& [tabelle, texte] : cache)
        if (tabelle == t.data()) return texte;
    std::vector<TagTexte> texte;
    for (std::string_view name : t) {
        TagTexte x;
        x.auf = "<" + std::string(name) + ">";
        x.zu = "</" + std::string(name) + ">";
        x.zuZeile = x.zu + "\r\n";
        for (int e = 0; e < TagTexte::kEbenen; ++e) {
            const std::string einzug(static_cast<std::size_t>(2 * e), ' ');
            x.aufEingerueckt[static_cast<std::size_t>(e)] = einzug + x.auf;
            x.zuEingerueckt[static_cast<std::size_t>(e)] = einzug + x.zuZeile;
        }
        texte.push_back(std::move(x));
    }
    cache.emplace_back(t.data(), std::move(texte));
    return cache.back().second;
}

const std::string kBlanks(512, ' ');

// The bytes a value cannot carry as they are: "&" and "<" as markup, and 0x80..0x9F,
// which the declared ISO-8859-1 reads as control characters where the records'
// Windows-1252 has "€", "…", the typographic quotes and others. Those go out as
// numeric character references, which every parser reads as the right character.
constexpr std::array<bool, 256> kErsetzen = [] {
    std::array<bool, 256> t{};
    t['&'] = t['<'] = true;
    for (int b = 0x80; b <= 0x9F; ++b) t[static_cast<std::size_t>(b)] = true;
    return t;
}();

void Zeichenreferenz(std::string& out, char32_t cp) {
    char ziffern[12];
    int n = 0;
    do {
        ziffern[n++] = static_cast<char>('0' + cp % 10);
        cp /= 10;
    } while (cp > 0);
    out += "&#";
    while (n > 0) out += ziffern[--n];
    out += ';';
}

} // namespace

constexpr std::size_t kStueck = 1 << 20;

XmlSchreiber::XmlSchreiber(int layout, std::string_view dateiname, Senke senke)
    : senke_(std::move(senke)), layout_(layout) {
    out_.reserve(senke_ ? kStueck + 64 * 1024 : 4096);
    out_ += "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n<!-- Dateiname: ";
    out_ += dateiname;
    out_ += " -->\r\n";
    if (layout_ < 2) out_ += "\r\n\r\n";
}

void XmlSchreiber::Einruecken() {
    if (layout_ != 2)
        out_.append(kBlanks.data(), std::min<std::size_t>(kBlanks.size(), 2 * static_cast<std::size_t>(ebene_)));
}

void XmlSchreiber::Zeilenende() {
    if (layout_ != 2) out_ += "\r\n";
}

void XmlSchreiber::Wert(std::string_view wert) {
    // Nearly every value has no byte to replace and is copied whole; the test for
    // that is written so the compiler can run it over many bytes at once.
    bool roh = true;
    for (const char c : wert) {
        const auto b = static_cast<unsigned char>(c);
        roh &= (b != '&') & (b != '<') & ((b & 0xE0) != 0x80);
    }
    if (roh) {
        out_.append(wert);
        return;
    }
    std::size_t von = 0;
    for (std::size_t i = 0; i < wert.size(); ++i) {
        const auto b = static_cast<unsigned char>(wert[i]);
        if (!kErsetzen[b]) continue;
        out_.append(wert.data() + von, i - von);
        if (b == '&')
            out_ += "&amp;";
        else if (b == '<')
            out_ += "&lt;";
        else
            Zeichenreferenz(out_, Cp1252ToCodePoint(b));
        von = i + 1;
    }
    out_.append(wert.data() + von, wert.size() - von);
}

const XmlSchreiber::TagTexte& XmlSchreiber::Texte(tags::Tabelle t, int tag) {
    if (t.data() != tabelle_) {
        tabelle_ = t.data();
        texte_ = &TexteVon(t);
    }
    return (*texte_)[static_cast<std::size_t>(tag)];
}

void XmlSchreiber::Auf(tags::Tabelle t, int tag) {
    const TagTexte& x = Texte(t, tag);
    if (layout_ != 2 && ebene_ < TagTexte::kEbenen) {
        out_ += x.aufEingerueckt[static_cast<std::size_t>(ebene_)];
    } else {
        Einruecken();
        out_ += x.auf;
    }
    Zeilenende();
    ++ebene_;
}

void XmlSchreiber::Zu(tags::Tabelle t, int tag) {
    --ebene_;
    const TagTexte& x = Texte(t, tag);
    if (layout_ == 2) {
        out_ += x.zu;
    } else if (ebene_ < TagTexte::kEbenen) {
        out_ += x.zuEingerueckt[static_cast<std::size_t>(ebene_)];
    } else {
        Einruecken();
        out_ += x.zuZeile;
    }
}

void XmlSchreiber::Elem(tags::Tabelle t, int tag, std::string_view wert) {
    const TagTexte& x = Texte(t, tag);
    if (layout_ == 1 && ebene_ < TagTexte::kEbenen) {
        out_ += x.aufEingerueckt[static_cast<std::size_t>(ebene_)];
        Wert(wert);
        out_ += x.zuZeile;
        return;
    }
    if (layout_ == 1 || layout_ == 2) {
        Einruecken();
        out_ += x.auf;
        Wert(wert);
        out_ += layout_ == 2 ? x.zu : x.zuZeile;
        return;
    }
    Einruecken();
    out_ += x.auf;
    out_ += "\r\n";
    Einruecken();
    out_ += "  ";
    Wert(wert);
    out_ += "\r\n";
    Einruecken();
    out_ += x.zuZeile;
}

void XmlSchreiber::Elem(tags::Tabelle t, int tag, std::int64_t zahl) {
    Elem(t, tag, std::to_string(zahl));
}

void XmlSchreiber::Abgeben() {
    if (!senke_ || out_.size() < kStueck) return;
    ok_ = ok_ && senke_(out_);
    out_.clear();
}

std::string& XmlSchreiber::Fertig() {
    out_ += "\r\n";
    if (senke_) {
        ok_ = ok_ && senke_(out_);
        out_.clear();
    }
    return out_;
}

std::string XmlDateiname(std::string_view einstellung, std::string_view standard) {
    return std::string(einstellung.empty() ? standard : einstellung);
}

bool XmlDateinameZulaessig(std::string_view name) {
    return name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos && name != "." && name != "..";
}

std::string MeldungXmlDateiname(std::string_view cp1252) {
    return "Dateiname: " + Cp1252ToUtf8(cp1252) + " kann nicht benutzt werden!" + "\r" + "\r" +
           "Beachten Sie die Regeln zur Bildung von Dateinamen!";
}

std::string NormaliseXmlFileName(std::string_view name, Meldungen& m) {
    std::string_view s = name;
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32) s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32) s.remove_suffix(1);
    if (s.empty()) return {};
    // A folder in the name would take the export out of the export folder.
    if (!XmlDateinameZulaessig(s)) {
        m.Fehler(MeldungXmlDateiname(name));
        return {};
    }
    std::string r(s);
    if (r.size() > 4) {
        std::string ende = r.substr(r.size() - 4);
        for (char& c : ende) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (ende != ".XML") r += ".XML";
        return r;
    }
    if (std::string_view("*./:<>?").find(r.front()) != std::string_view::npos) {
        m.Fehler(MeldungXmlDateiname(name));
        return {};
    }
    return r + ".XML";
}

} // namespace zev
