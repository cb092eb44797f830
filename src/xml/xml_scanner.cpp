#include "xml/xml_scanner.h"

#include "model/encoding.h"

#include <expat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <optional>

namespace zev {

struct XmlPartScanner::Zustand {
    XML_Parser parser = nullptr;
    std::vector<XmlTeil> teile;      // parts found by the last chunk, reused between chunks
    std::size_t anzahl = 0;          // parts in use
    std::size_t gelesen = 0;         // parts handed out
    std::vector<std::string> stapel; // names of the open elements; strings reused by depth
    std::vector<int> tagStapel;      // with a tag table: the tags of the open elements instead
    const tags::TagIndex* tabelle = nullptr;
    std::size_t tiefe = 0;
    std::uint64_t ereignisse = 0; // handler calls, to tell whether a chunk got anywhere
    std::string text;             // character data since the last tag
    bool inCdata = false;
    bool latin1 = false; // declared ISO-8859-1: code points are the bytes

    XmlTeil& Neu(XmlTeilArt art) {
        if (anzahl == teile.size()) teile.emplace_back();
        XmlTeil& t = teile[anzahl++];
        t.art = art;
        t.text.clear();
        return t;
    }

    // UTF-8 from expat to the bytes the records hold; `ersetzt` counts the
    // characters that have no such byte and became "?".
    void Bytes(const char* s, std::size_t n, std::string& out, int* ersetzt = nullptr) const {
        out.clear();
        bool ascii = true;
        for (std::size_t i = 0; i < n && ascii; ++i) ascii = static_cast<unsigned char>(s[i]) < 0x80;
        if (ascii) {
            out.assign(s, n);
            return;
        }
        // Expat hands over well-formed UTF-8 only.
        for (std::size_t i = 0; i < n;) {
            const auto b = static_cast<unsigned char>(s[i]);
            char32_t cp;
            std::size_t laenge;
            if (b < 0x80)
                cp = b, laenge = 1;
            else if (b < 0xE0)
                cp = b & 0x1Fu, laenge = 2;
            else if (b < 0xF0)
                cp = b & 0x0Fu, laenge = 3;
            else
                cp = b & 0x07u, laenge = 4;
            for (std::size_t k = 1; k < laenge && i + k < n; ++k)
                cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3Fu);
            i += laenge;
            const char c = (latin1 && cp <= 0xFF) ? static_cast<char>(cp) : CodePointToCp1252(cp);
            if (ersetzt && c == '?' && cp != U'?') ++*ersetzt;
            out += c;
        }
    }

    void TextAbschliessen() {
        if (text.empty()) return;
        XmlPartScanner::Normalisieren(text);
        if (!text.empty()) {
            XmlTeil& t = Neu(XmlTeilArt::Text);
            if (tabelle)
                t.tag = tiefe > 0 ? tagStapel[tiefe - 1] : -1;
            else if (tiefe > 0)
                t.name = stapel[tiefe - 1];
            else
                t.name.clear();
            t.ersetzt = 0;
            Bytes(text.data(), text.size(), t.text, &t.ersetzt);
        }
        text.clear();
    }
};

namespace {

using Z = XmlPartScanner::Zustand;

void XMLCALL Start(void* d, const XML_Char* name, const XML_Char**) {
    auto* z = static_cast<Z*>(d);
    ++z->ereignisse;
    z->TextAbschliessen();
    XmlTeil& t = z->Neu(XmlTeilArt::Start);
    const std::size_t laenge = std::strlen(name);
    if (z->tabelle) {
        // The table's names are ASCII, alike in UTF-8 and in the records' bytes. A
        // known element below the root needs no name of its own: the table has it.
        t.tag = z->tabelle->Nummer(std::string_view(name, laenge));
        if (t.tag < 0 || z->tiefe == 0)
            z->Bytes(name, laenge, t.name);
        else
            t.name.clear();
        if (z->tiefe == z->tagStapel.size()) z->tagStapel.emplace_back();
        z->tagStapel[z->tiefe++] = t.tag;
        return;
    }
    z->Bytes(name, laenge, t.name);
    if (z->tiefe == z->stapel.size()) z->stapel.emplace_back();
    z->stapel[z->tiefe++] = t.name;
}

void XMLCALL Ende(void* d, const XML_Char*) {
    auto* z = static_cast<Z*>(d);
    ++z->ereignisse;
    z->TextAbschliessen();
    // An empty-element tag ends without bytes of its own: its start becomes one part.
    if (XML_GetCurrentByteCount(z->parser) == 0 && z->anzahl > z->gelesen &&
        z->teile[z->anzahl - 1].art == XmlTeilArt::Start) {
        z->teile[z->anzahl - 1].art = XmlTeilArt::LeerElement;
    } else {
        XmlTeil& t = z->Neu(XmlTeilArt::Ende);
        if (z->tabelle)
            t.tag = z->tiefe > 0 ? z->tagStapel[z->tiefe - 1] : -1;
        else if (z->tiefe > 0)
            t.name = z->stapel[z->tiefe - 1];
        else
            t.name.clear();
    }
    if (z->tiefe > 0) --z->tiefe;
}

void XMLCALL Zeichen(void* d, const XML_Char* s, int n) {
    auto* z = static_cast<Z*>(d);
    ++z->ereignisse;
    // Text in a CDATA section is text like any other ("Bauer & Co" written unescaped).
    // Blanks before any text would be trimmed anyway; most of them lie between tags.
    if (z->text.empty()) {
        int i = 0;
        while (i < n && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r' || s[i] == '\n')) ++i;
        s += i;
        n -= i;
    }
    z->text.append(s, static_cast<std::size_t>(n));
}

void XMLCALL CdataAnfang(void* d) {
    static_cast<Z*>(d)->inCdata = true;
}
void XMLCALL CdataEnde(void* d) {
    static_cast<Z*>(d)->inCdata = false;
}

bool GleichOhneGross(const char* a, const char* b) {
    if (!a) return false;
    for (; *a && *b; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b))) return false;
    return *a == *b;
}

void XMLCALL Deklaration(void* d, const XML_Char*, const XML_Char* encoding, int) {
    auto* z = static_cast<Z*>(d);
    if (!encoding) return; // nothing declared: the encoding the parser was created with stands
    z->latin1 = GleichOhneGross(encoding, "ISO-8859-1") || GleichOhneGross(encoding, "latin1") ||
                GleichOhneGross(encoding, "ISO_8859-1");
}

// Windows-1252, which expat does not know by itself.
int XMLCALL UnbekannteKodierung(void*, const XML_Char* name, XML_Encoding* info) {
    if (!GleichOhneGross(name, "windows-1252") && !GleichOhneGross(name, "cp1252") &&
        !GleichOhneGross(name, "x-cp1252"))
        return XML_STATUS_ERROR;
    for (int b = 0; b < 256; ++b) info->map[b] = static_cast<int>(Cp1252ToCodePoint(static_cast<unsigned char>(b)));
    info->data = nullptr;
    info->convert = nullptr;
    info->release = nullptr;
    return XML_STATUS_OK;
}

// Checks UTF-8 piece by piece; a sequence may run across pieces.
class Utf8Pruefer {
public:
    void Weiter(const unsigned char* p, std::size_t n) {
        for (std::size_t i = 0; i < n && gut_; ++i) Byte(p[i]);
    }
    bool Gut() const { return gut_; } // nothing wrong so far
    bool Gueltig() const { return gut_ && offen_ == 0; }

private:
    void Byte(unsigned char b) {
        if (offen_ > 0) {
            if (b < unten_ || b > oben_) gut_ = false;
            unten_ = 0x80, oben_ = 0xBF;
            --offen_;
            return;
        }
        unten_ = 0x80, oben_ = 0xBF;
        if (b < 0x80) return;
        if (b >= 0xC2 && b <= 0xDF)
            offen_ = 1;
        else if (b >= 0xE0 && b <= 0xEF)
            offen_ = 2, unten_ = b == 0xE0 ? 0xA0 : 0x80, oben_ = b == 0xED ? 0x9F : 0xBF;
        else if (b >= 0xF0 && b <= 0xF4)
            offen_ = 3, unten_ = b == 0xF0 ? 0x90 : 0x80, oben_ = b == 0xF4 ? 0x8F : 0xBF;
        else
            gut_ = false;
    }
    bool gut_ = true;
    int offen_ = 0;
    unsigned char unten_ = 0x80, oben_ = 0xBF;
};

// Whether a file begins with a byte-order mark or declares its encoding; only a
// file with neither is read as Windows-1252 when it is not UTF-8.
bool KodierungAngegeben(std::string_view anfang) {
    if (anfang.starts_with("\xEF\xBB\xBF") || anfang.starts_with("\xFF\xFE") || anfang.starts_with("\xFE\xFF"))
        return true;
    if (!anfang.starts_with("<?xml")) return false;
    const auto ende = anfang.find("?>");
    return anfang.substr(0, ende).find("encoding") != std::string_view::npos;
}

} // namespace

XmlPartScanner::XmlPartScanner() : z_(std::make_unique<Zustand>()) {}

XmlPartScanner::~XmlPartScanner() {
    if (z_->parser) XML_ParserFree(z_->parser);
}

static XML_Parser NeuerParser(XmlPartScanner::Zustand* z, bool windows1252) {
    // ISO-8859-1 hands every byte over as the code point of its value, which the
    // scanner gives back as the same byte: the Windows-1252 bytes as they are.
    XML_Parser p = XML_ParserCreate(windows1252 ? "ISO-8859-1" : nullptr);
    z->latin1 = windows1252;
    XML_SetUserData(p, z);
    XML_SetElementHandler(p, Start, Ende);
    XML_SetCharacterDataHandler(p, Zeichen);
    XML_SetCdataSectionHandler(p, CdataAnfang, CdataEnde);
    XML_SetXmlDeclHandler(p, Deklaration);
    XML_SetUnknownEncodingHandler(p, UnbekannteKodierung, nullptr);
    // Never read a DTD or an external entity; internal entities stay under expat's
    // amplification limit.
    XML_SetParamEntityParsing(p, XML_PARAM_ENTITY_PARSING_NEVER);
    return p;
}

bool XmlPartScanner::Laden(const std::string& pfad, std::string& fehler) {
    if (!datei_.Oeffnen(pfad)) {
        fehler = datei_.Fehler();
        return false;
    }
    // Without a declared encoding XML is UTF-8; a file of outside origin that is
    // not is read in the program's own byte set rather than refused whole.
    std::string anfang(512, '\0');
    const auto n = datei_.Teil(anfang.data(), anfang.size());
    anfang.resize(n ? *n : 0);
    windows1252_ = false;
    if (!KodierungAngegeben(anfang)) {
        Utf8Pruefer u;
        std::vector<unsigned char> block(256 * 1024);
        u.Weiter(reinterpret_cast<const unsigned char*>(anfang.data()), anfang.size());
        while (u.Gut()) {
            const auto k = datei_.Teil(block.data(), block.size());
            if (!k || *k == 0) break;
            u.Weiter(block.data(), *k);
        }
        windows1252_ = !u.Gueltig();
    }
    if (!datei_.Oeffnen(pfad)) {
        fehler = datei_.Fehler();
        return false;
    }
    if (z_->parser) XML_ParserFree(z_->parser);
    *z_ = Zustand{};
    z_->parser = NeuerParser(z_.get(), windows1252_);
    ausSpeicher_ = false;
    eingabeEnde_ = false;
    block_ = kBlock;
    bloecke_ = 0;
    fehlerhaft_ = false;
    return true;
}

void XmlPartScanner::LadenAusText(std::string text) {
    if (z_->parser) XML_ParserFree(z_->parser);
    *z_ = Zustand{};
    windows1252_ = false;
    if (!KodierungAngegeben(std::string_view(text).substr(0, 512))) {
        Utf8Pruefer u;
        u.Weiter(reinterpret_cast<const unsigned char*>(text.data()), text.size());
        windows1252_ = !u.Gueltig();
    }
    z_->parser = NeuerParser(z_.get(), windows1252_);
    speicher_ = std::move(text);
    ausSpeicher_ = true;
    eingabeEnde_ = false;
    fehlerhaft_ = false;
}

bool XmlPartScanner::Nachfuellen() {
    if (eingabeEnde_ || fehlerhaft_ || !z_->parser) return false;
    z_->anzahl = 0;
    z_->gelesen = 0;
    XML_Status status;
    if (ausSpeicher_) {
        status = XML_Parse(z_->parser, speicher_.data(), static_cast<int>(speicher_.size()), XML_TRUE);
        eingabeEnde_ = true;
    } else {
        void* puffer = XML_GetBuffer(z_->parser, static_cast<int>(block_));
        if (!puffer) {
            status = XML_STATUS_ERROR;
        } else {
            const auto n = datei_.Teil(puffer, block_);
            if (!n) {
                // A failed read ends the document as broken, with the system's reason.
                fehlerhaft_ = true;
                zeile_ = XML_GetCurrentLineNumber(z_->parser);
                spalte_ = XML_GetCurrentColumnNumber(z_->parser) + 1;
                fehlerText_ = datei_.Fehler();
                z_->anzahl = 0;
                return false;
            }
            eingabeEnde_ = *n == 0;
            const std::uint64_t vorher = z_->ereignisse;
            ++bloecke_;
            status = XML_ParseBuffer(z_->parser, static_cast<int>(*n), eingabeEnde_ ? XML_TRUE : XML_FALSE);
            // Expat scans an unfinished token (a huge attribute or comment) again with
            // every chunk; a chunk that got nowhere makes the next one twice as large,
            // so the time stays linear in the file size.
            block_ = z_->ereignisse == vorher ? std::min(block_ * 2, kGroessterBlock) : kBlock;
        }
    }
    if (status != XML_STATUS_OK) {
        fehlerhaft_ = true;
        zeile_ = XML_GetCurrentLineNumber(z_->parser);
        spalte_ = XML_GetCurrentColumnNumber(z_->parser) + 1;
        const XML_Error code = XML_GetErrorCode(z_->parser);
        fehlerText_ = code == XML_ERROR_NONE ? "Speicher" : XML_ErrorString(code);
        z_->anzahl = 0; // nothing of a broken document is handed out
        return false;
    }
    return true;
}

void XmlPartScanner::TagTabelle(tags::Tabelle tabelle) {
    z_->tabelle = &tags::IndexFuer(tabelle);
}

const XmlTeil* XmlPartScanner::Naechster() {
    while (z_->gelesen >= z_->anzahl) {
        if (!Nachfuellen()) return nullptr;
    }
    return &z_->teile[z_->gelesen++];
}

bool XmlPartScanner::Naechster(XmlTeil& teil) {
    const XmlTeil* t = Naechster();
    if (t) teil = *t;
    return t != nullptr;
}

void XmlPartScanner::Normalisieren(std::string& text) {
    const auto leer = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    // Most values hold no blank at all.
    if (std::none_of(text.begin(), text.end(), leer)) return;
    std::size_t schreib = 0;
    bool luecke = false;
    for (const char c : text) {
        if (leer(c)) {
            luecke = schreib > 0;
            continue;
        }
        if (luecke) text[schreib++] = ' ';
        luecke = false;
        text[schreib++] = c;
    }
    text.resize(schreib);
}

} // namespace zev
