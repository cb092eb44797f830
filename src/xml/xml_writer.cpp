#include "xml/xml_writer.h"

#include "model/encoding.h"
#include "model/messages.h"

#include <cctype>

namespace zev {

XmlSchreiber::XmlSchreiber(int layout, std::string_view dateiname, std::size_t erwarteteGroesse)
    : layout_(layout) {
    out_.reserve(erwarteteGroesse + 256);
    out_ += "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n<!-- Dateiname: ";
    out_ += dateiname;
    out_ += " -->\r\n";
    if (layout_ < 2) out_ += "\r\n\r\n";
}

void XmlSchreiber::Einruecken() {
    if (layout_ != 2) out_.append(static_cast<std::size_t>(2 * ebene_), ' ');
}

void XmlSchreiber::Zeilenende() {
    if (layout_ != 2) out_ += "\r\n";
}

void XmlSchreiber::Wert(std::string_view wert) {
    std::size_t von = 0;
    for (std::size_t i = 0; i < wert.size(); ++i) {
        if (wert[i] != '&' && wert[i] != '<') continue;
        out_.append(wert.substr(von, i - von));
        out_ += wert[i] == '&' ? "&amp;" : "&lt;";
        von = i + 1;
    }
    out_.append(wert.substr(von));
}

void XmlSchreiber::Auf(tags::Tabelle t, int tag) {
    Einruecken();
    out_ += '<';
    out_ += t[static_cast<std::size_t>(tag)];
    out_ += '>';
    Zeilenende();
    ++ebene_;
}

void XmlSchreiber::Zu(tags::Tabelle t, int tag) {
    --ebene_;
    Einruecken();
    out_ += "</";
    out_ += t[static_cast<std::size_t>(tag)];
    out_ += '>';
    Zeilenende();
}

void XmlSchreiber::Elem(tags::Tabelle t, int tag, std::string_view wert) {
    const std::string_view name = t[static_cast<std::size_t>(tag)];
    if (layout_ == 1 || layout_ == 2) {
        Einruecken();
        out_ += '<';
        out_ += name;
        out_ += '>';
        Wert(wert);
        out_ += "</";
        out_ += name;
        out_ += '>';
        Zeilenende();
        return;
    }
    Einruecken();
    out_ += '<';
    out_ += name;
    out_ += ">\r\n";
    Einruecken();
    out_ += "  ";
    Wert(wert);
    out_ += "\r\n";
    Einruecken();
    out_ += "</";
    out_ += name;
    out_ += ">\r\n";
}

void XmlSchreiber::Elem(tags::Tabelle t, int tag, std::int64_t zahl) { Elem(t, tag, std::to_string(zahl)); }

std::string& XmlSchreiber::Fertig() {
    out_ += "\r\n";
    return out_;
}

std::string XmlDateiname(std::string_view einstellung, std::string_view standard) {
    return std::string(einstellung.empty() ? standard : einstellung);
}

std::string NormaliseXmlFileName(std::string_view name, Meldungen& m) {
    std::string_view s = name;
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32) s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32) s.remove_suffix(1);
    if (s.empty()) return {};
    std::string r(s);
    if (r.size() > 4) {
        std::string ende = r.substr(r.size() - 4);
        for (char& c : ende) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (ende != ".XML") r += ".XML";
        return r;
    }
    if (std::string_view("*./:<>?").find(r.front()) != std::string_view::npos) {
        m.Fehler("Dateiname: " + Cp1252ToUtf8(name) + " kann nicht benutzt werden!" + "\r" + "\r" +
                 "Beachten Sie die Regeln zur Bildung von Dateinamen!");
        return {};
    }
    return r + ".XML";
}

} // namespace zev
