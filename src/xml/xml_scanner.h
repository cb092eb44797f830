// A pull scanner over an XML file, on expat: one part per step (start tag,
// empty-element tag, end tag, text), with entities and character references
// replaced and texts normalised. Names and texts come back as Windows-1252 bytes;
// a file declared ISO-8859-1 gives back exactly its own bytes.
//
// Declarations, comments, processing instructions, document types and CDATA
// sections are skipped. Expat's protection against entity expansion stays on, and
// no external entity or DTD is ever loaded.
#pragma once

#include "io/file_io.h"
#include "xml/tags.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zev {

enum class XmlTeilArt { Start, LeerElement, Ende, Text };

struct XmlTeil {
    XmlTeilArt art = XmlTeilArt::Start;
    std::string name; // the element; for a text, the enclosing element
    std::string text;
    int tag = -1; // with a tag table: the element's first position in it, -1 when it has none
    int ersetzt = 0; // a text: characters Windows-1252 lacks, each turned into "?"
};

class XmlPartScanner {
public:
    XmlPartScanner();
    ~XmlPartScanner();
    XmlPartScanner(const XmlPartScanner&) = delete;
    XmlPartScanner& operator=(const XmlPartScanner&) = delete;

    // Opens a file; false with the system's reason when it cannot be read.
    bool Laden(const std::string& pfad, std::string& fehler);
    // Scans text held in memory (for tests and previews).
    void LadenAusText(std::string text);

    // Looks every element name up once, at its start tag, in this table (before the
    // first part): each part then carries the element's `tag`; only the root and
    // elements the table does not know carry their name. A reader of one file kind
    // needs no more.
    void TagTabelle(tags::Tabelle tabelle);

    // The next part, valid until the next call; null at the end of the document or
    // at the first error.
    const XmlTeil* Naechster();
    // The same as a copy; false at the end or at the first error.
    bool Naechster(XmlTeil& teil);

    // After Naechster returned false: whether the document was malformed, where,
    // and expat's description.
    bool Fehlerhaft() const { return fehlerhaft_; }
    std::uint64_t FehlerZeile() const { return zeile_; }
    std::uint64_t FehlerSpalte() const { return spalte_; }
    const std::string& FehlerText() const { return fehlerText_; }

    // Removes blanks, tabs, CR and LF at both ends and turns every inner run of
    // them into one blank.
    static void Normalisieren(std::string& text);

    // The file declared no encoding, had no byte-order mark and was not UTF-8:
    // it is read as Windows-1252.
    bool AlsWindows1252() const { return windows1252_; }

    // Chunks of the file handed to the parser so far.
    std::size_t Bloecke() const { return bloecke_; }

    struct Zustand; // the handlers' view, defined with them

private:
    bool Nachfuellen();

    std::unique_ptr<Zustand> z_;
    io::EingabeDatei datei_;
    std::string speicher_; // text scanned from memory
    bool ausSpeicher_ = false;
    bool eingabeEnde_ = false;
    bool fehlerhaft_ = false;
    bool windows1252_ = false;
    std::uint64_t zeile_ = 0, spalte_ = 0;
    std::string fehlerText_;
    static constexpr std::size_t kBlock = 256 * 1024;
    static constexpr std::size_t kGroessterBlock = 64 * 1024 * 1024;
    std::size_t block_ = kBlock; // bytes read per chunk
    std::size_t bloecke_ = 0;
};

} // namespace zev
