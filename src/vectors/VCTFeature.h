#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/vectors/FeatureStyleData.h"

#include <QMap>
#include <QString>
#include <QVariant>

namespace vectors {

class VCTGeometry;

// One feature on its way to a writer stream: a VCT geometry (owned), the attribute values by
// field name and, when the feature is drawn with one, a style.
class OVCOORD_EXPORT VCTFeature
{
public:
    // Takes ownership of GEOMETRY (may be null).
    explicit VCTFeature(VCTGeometry* geometry = nullptr);
    ~VCTFeature();
    VCTFeature(const VCTFeature&) = delete;
    VCTFeature& operator=(const VCTFeature&) = delete;
    VCTFeature(VCTFeature&& other) noexcept;
    VCTFeature& operator=(VCTFeature&& other) noexcept;

    VCTGeometry* geometry() const { return m_geometry; }
    // Takes ownership of GEOMETRY and releases the previous one.
    void setGeometry(VCTGeometry* geometry);

    const QMap<QString, QVariant>& attributes() const { return m_attributes; }
    void setAttributes(const QMap<QString, QVariant>& attributes) { m_attributes = attributes; }
    void setAttribute(const QString& name, const QVariant& value) { m_attributes[name] = value; }

    // The stream turns the style into an OGR style string; a feature without one gets none.
    bool hasStyle() const { return m_hasStyle; }
    const FeatureStyleData& style() const { return m_style; }
    void setStyle(const FeatureStyleData& style);
    void clearStyle();

    // The feature record's name and remark; the DAT text layout falls back on them when the
    // attributes hold no "name" or "remark".
    QString name;
    QString remark;

private:
    VCTGeometry* m_geometry = nullptr;
    QMap<QString, QVariant> m_attributes;
    FeatureStyleData m_style;
    bool m_hasStyle = false;
};

} // namespace vectors
