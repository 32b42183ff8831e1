#pragma once

// The TinyXML names the public headers use, declared only: programs using this library neither
// see TinyXML's header nor depend on how it was configured. The sources include SerTinyXml_p.h.
class TiXmlDocument;
class TiXmlElement;
class TiXmlPrinter;
class TiXmlText;

namespace SerTinyXml {
using ::TiXmlDocument;
using ::TiXmlElement;
using ::TiXmlPrinter;
using ::TiXmlText;
} // namespace SerTinyXml
