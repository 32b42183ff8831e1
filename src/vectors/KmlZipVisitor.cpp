#include "OvCoordSystem/vectors/KmlZipVisitor_p.h"

#include "OvCoordSystem/archive/ScopedStreamLocale.h"

#include <fstream>
#include <memory>

namespace {

constexpr char kDefaultEntryName[] = "doc.kml";

// The Chinese code page, in which Windows reads the narrow path of a file named in Chinese.
constexpr char kChineseStreamLocale[] = ".936";

} // namespace

CKmlZipVisitor::CKmlZipVisitor(const std::string& kmlPath)
    : m_kmlPath(kmlPath)
{ }

std::string CKmlZipVisitor::entryName(const std::string& kmlPath)
{
    std::string::size_type separator = kmlPath.rfind('/');
    if (separator == std::string::npos) separator = kmlPath.rfind('\\');
    if (separator == std::string::npos || separator == 0 || separator + 1 == kmlPath.size())
        return kDefaultEntryName;
    return kmlPath.substr(separator + 1);
}

bool CKmlZipVisitor::nextFile(CZipCoder*, char*& data, std::size_t& size, std::string& name)
{
    if (!m_hasMore) return false;
    m_hasMore = false;

    const CScopedStreamLocale chinesePaths(kChineseStreamLocale);
    std::ifstream file(m_kmlPath, std::ios::binary | std::ios::ate);
    if (!file) return false;
    const std::streamoff length = file.tellg();
    if (length < 0) return false;
    file.seekg(0);
    std::unique_ptr<char[]> buffer(new char[static_cast<std::size_t>(length)]);
    if (!file.read(buffer.get(), length)) return false;

    data = buffer.release();
    size = static_cast<std::size_t>(length);
    name = entryName(m_kmlPath);
    return true;
}
