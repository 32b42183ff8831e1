#pragma once

#include "OvCoordSystem/kml/SerTinyXml_p.h"

#include <string>

// TinyXML parses nested elements recursively; deeper documents are refused before parsing so
// that hostile input cannot exhaust the stack. No real KML comes near this.
constexpr int kMaxXmlNesting = 512;

// Parses TEXT into DOCUMENT as legacy 8-bit text (ENCODING 0) or UTF-8 (1). False, with a message
// for people in ERROR, when the text is malformed, nests deeper than kMaxXmlNesting or has no
// root element.
bool parseXmlText(
    SerTinyXml::TiXmlDocument& document, const std::string& text, int encoding, std::string& error);
