#include "OvCoordSystem/host/Vector3D.h"
#include "OvCoordSystem/host/annotation/GeometryData.h"
#include "OvCoordSystem/host/annotation/IAnnotationFeature.h"
#include "OvCoordSystem/host/annotation/IAnnotationModule.h"
#include "OvCoordSystem/host/app/ConfigIni.h"
#include "OvCoordSystem/host/app/OvLog.h"
#include "OvCoordSystem/host/app/TextConvert.h"
#include "OvCoordSystem/host/search/AdCode.h"
#include "OvCoordSystem/host/search/DivisionDataFiles_p.h"
#include "OvCoordSystem/host/search/DivisionStore_p.h"
#include "OvCoordSystem/host/search/ILocationDataSearchModule.h"

#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <cmath>
#include <memory>

namespace {
const char* const kHostCodec = "GB18030";
// AMap's centre of Beijing, in GCJ-02 like the bundled boundaries.
const CVector3D kBeijing(116.407526, 39.904030, 0.0);

std::string Utf8ToHost(const std::string& text)
{
    return ConvertQStringToStdString(QString::fromStdString(text), kHostCodec);
}

tagDivisionInfo ToHost(tagDivisionInfo info)
{
    info.name = Utf8ToHost(info.name);
    return info;
}

std::vector<tagDivisionInfo> ToHost(std::vector<tagDivisionInfo> infos)
{
    for (tagDivisionInfo& info : infos)
        info.name = Utf8ToHost(info.name);
    return infos;
}

class CLocationDataSearchModule final : public ILocationDataSearchModule
{
public:
    IAnnotationFeature* QueryDivision(const std::string& code, int type) override
    {
        if (type != 1 || tagAdCode(code).level == 0) return nullptr;
        if (const int delay = m_delay.load()) QThread::msleep(static_cast<unsigned long>(delay));
        tagDivisionInfo info;
        std::vector<CDivisionStore::Ring> rings;
        {
            QMutexLocker lock(&m_mutex);
            CDivisionStore* store = Store();
            if (!store || !store->Find(code, &info, &rings)) return nullptr;
        }
        if (rings.empty()) return nullptr; // nothing to draw or download
        IAnnotationFeature* feature = GetOrCreateAnnotationModule()->CreateFeature(
            ANNOTATION_FEATURE_RANGE, Utf8ToHost(info.name));
        if (!feature) return nullptr;
        for (const CDivisionStore::Ring& ring : rings) {
            CGeometryData part(GEOMETRY_DATA_TYPE_POLYGON);
            part.Reserve(static_cast<int>(ring.size()));
            for (const CVector3D& point : ring)
                part.PushBack(point);
            feature->AddGeometry(part);
        }
        return feature;
    }

    void GetLocalPosition(CVector3D& position) override
    {
        const QStringList parts = ConfigIni::getConfig(
            QStringLiteral("LocationSearch"), QStringLiteral("LocalPosition"))
                                      .toString()
                                      .split(QLatin1Char(','));
        bool xOk = false, yOk = false;
        const double x = parts.size() == 2 ? parts[0].trimmed().toDouble(&xOk) : 0.0;
        const double y = parts.size() == 2 ? parts[1].trimmed().toDouble(&yOk) : 0.0;
        const bool valid = xOk && yOk && std::fabs(x) <= 180.0 && std::fabs(y) <= 90.0;
        position = valid ? CVector3D(x, y, 0.0) : kBeijing;
    }

    bool FindDivision(const std::string& code, tagDivisionInfo& info) override
    {
        if (tagAdCode(code).level == 0) return false;
        QMutexLocker lock(&m_mutex);
        CDivisionStore* store = Store();
        tagDivisionInfo found;
        if (!store || !store->Find(code, &found, nullptr)) return false;
        info = ToHost(found);
        return true;
    }

    std::vector<tagDivisionInfo> FindDivisionsByName(const std::string& name, int maxCount) override
    {
        const std::string utf8 = ConvertStdStringToQString(name, kHostCodec).toStdString();
        if (utf8.empty() || maxCount <= 0) return {};
        QMutexLocker lock(&m_mutex);
        CDivisionStore* store = Store();
        return store ? ToHost(store->FindByName(utf8, maxCount)) : std::vector<tagDivisionInfo>();
    }

    std::vector<tagDivisionInfo> ListDivisions(const std::string& parentCode) override
    {
        if (!parentCode.empty() && tagAdCode(parentCode).level == 0) return {};
        QMutexLocker lock(&m_mutex);
        CDivisionStore* store = Store();
        return store ? ToHost(store->Children(parentCode)) : std::vector<tagDivisionInfo>();
    }

    void SetDataFile(const std::string& path) override
    {
        QMutexLocker lock(&m_mutex);
        m_explicitFile = path;
        m_store.reset();
        m_searched = false;
    }

    std::string GetDataFile() override
    {
        QMutexLocker lock(&m_mutex);
        CDivisionStore* store = Store();
        return store ? m_file : std::string();
    }

    std::vector<std::string> GetSearchedFiles() override
    {
        QMutexLocker lock(&m_mutex);
        return DivisionDataFiles(m_explicitFile);
    }

    void SetQueryDelay(int milliseconds) override { m_delay.store(std::max(0, milliseconds)); }

private:
    // The open store, found and opened on first use; null without usable data. Called locked.
    CDivisionStore* Store()
    {
        if (m_searched) return m_store.get();
        m_searched = true;
        const std::vector<std::string> files = DivisionDataFiles(m_explicitFile);
        m_file.clear();
        for (const std::string& file : files) {
            if (QFileInfo::exists(QString::fromLocal8Bit(file.c_str()))) {
                m_file = file;
                break;
            }
        }
        if (m_file.empty()) {
            COvLogObject line = OvLogError();
            line << "Division search: no division data; looked for";
            for (const std::string& file : files)
                line << " " << file;
            return nullptr;
        }
        auto store = std::make_unique<CDivisionStore>(m_file);
        if (!store->IsOpen()) {
            OvLogError() << "Division search: cannot read " << m_file << ": " << store->ErrorText();
            return nullptr;
        }
        m_store = std::move(store);
        return m_store.get();
    }

    QMutex m_mutex;
    std::string m_explicitFile;
    std::string m_file;
    bool m_searched = false;
    std::unique_ptr<CDivisionStore> m_store;
    std::atomic<int> m_delay { 0 };
};
} // namespace

ILocationDataSearchModule::~ILocationDataSearchModule() = default;

ILocationDataSearchModule* GetOrCreateLocationDataSearchModule()
{
    // Never deleted: a worker thread may still be querying while the process ends.
    static ILocationDataSearchModule* const module = new CLocationDataSearchModule;
    return module;
}
