// The element writer of the exchange files: the file frame, containers and
// leaves in the four layouts, values written as stored with "&" and "<" escaped and
// the Windows-1252 characters that ISO-8859-1 lacks (bytes 0x80..0x9F) written as
// numeric character references, so the declared encoding holds.
#pragma once

#include "xml/tags.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zev {

// 0 "voll expandiert", 1 "Zeilenumbruch nach Element", 2 "ohne Zeilenumbruch und
// Einrückungen", 3 "Reserve"; any other value is written as 0.
class XmlSchreiber {
public:
    // Takes a finished piece of the file; false when it could not be written.
    using Senke = std::function<bool(std::string_view)>;

    // Without a sink the whole image is kept and Fertig() returns it; with one, it
    // is handed on in pieces (Abgeben) so that large files need little memory.
    XmlSchreiber(int layout, std::string_view dateiname, Senke senke = {});

    // Container: opening and closing tag at the current level.
    void Auf(tags::Tabelle t, int tag);
    void Zu(tags::Tabelle t, int tag);
    // Leaf element with a Windows-1252 value.
    void Elem(tags::Tabelle t, int tag, std::string_view wert);
    void Elem(tags::Tabelle t, int tag, std::int64_t zahl);

    // Hands what is written so far to the sink once it is large enough.
    void Abgeben();
    // The final line end; the complete file image (empty with a sink).
    std::string& Fertig();
    // Whether the sink took every piece.
    bool Ok() const { return ok_; }

    struct TagTexte;

private:
    const TagTexte& Texte(tags::Tabelle t, int tag);
    void Einruecken();
    void Zeilenende();
    void Wert(std::string_view wert);

    std::string out_;
    Senke senke_;
    bool ok_ = true;
    int layout_;
    int ebene_ = 0;
    const void* tabelle_ = nullptr;
    const std::vector<TagTexte>* texte_ = nullptr;
};

// The file name of an area's export: the setting, or the default when it is empty.
std::string XmlDateiname(std::string_view einstellung, std::string_view standard);

// Whether a file-name setting names a file in the export folder itself: no "/"
// or "\" (a name such as "../../x" would put the file anywhere), no NUL, not "."
// or "..". Empty counts, as it means the default name.
bool XmlDateinameZulaessig(std::string_view name);

// "Dateiname: " + name + " kann nicht benutzt werden!" and the hint on the rules.
std::string MeldungXmlDateiname(std::string_view cp1252);

// Trims characters 0..32 and appends ".XML" where the name needs it; a name of up
// to four characters starting with one of * . / : < > ?, and any name that is not
// XmlDateinameZulaessig, is refused with a message and gives "". Works on
// Windows-1252 bytes.
class Meldungen;
std::string NormaliseXmlFileName(std::string_view name, Meldungen& m);

} // namespace zev
