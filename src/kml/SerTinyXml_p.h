#pragma once

// The one door to TinyXML. The library uses the system's TinyXML (2.6, built with std::string
// support); every other file reaches it through the names below, so that swapping in a private
// copy (in its own namespace, to keep clear of another copy in the host process) touches only
// this header and SerTinyXml.h.
#include "OvCoordSystem/kml/SerTinyXml.h"

#include <tinyxml.h>

namespace SerTinyXml {
using ::TiXmlAttribute;
using ::TiXmlBase;
using ::TiXmlDeclaration;
using ::TiXmlEncoding;
using ::TiXmlNode;

constexpr TiXmlEncoding kEncodingLegacy = TIXML_ENCODING_LEGACY;
constexpr TiXmlEncoding kEncodingUtf8 = TIXML_ENCODING_UTF8;
} // namespace SerTinyXml
