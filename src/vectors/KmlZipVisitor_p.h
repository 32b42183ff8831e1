#pragma once

#include "OvCoordSystem/archive/ZipCoder.h"

#include <string>

// Hands one KML file to the zip coder: the file at kmlPath, stored under its own file name, or
// under "doc.kml" when the path names no folder.
class CKmlZipVisitor : public CZipCoder::CZipFileVisitor
{
public:
    explicit CKmlZipVisitor(const std::string& kmlPath);

    // The file once, then false. False at once when the file cannot be read.
    bool nextFile(
        CZipCoder* coder, char*& data, std::size_t& size, std::string& entryName) override;

    // The entry name of the file at KMLPATH: what follows the last "/" (or, without one, the last
    // "\"); "doc.kml" when there is no separator, it is the first character, or nothing follows.
    static std::string entryName(const std::string& kmlPath);

private:
    bool m_hasMore = true;
    std::string m_kmlPath;
};
