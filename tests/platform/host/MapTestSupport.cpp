#include "MapTestSupport.h"

#include <QAbstractScrollArea>
#include <QDir>
#include <QMouseEvent>

IOvMapModule* ResetMap()
{
    IOvMapModule* map = GetGlobalOvMapModule();
    map->ResizeView(800, 600);
    map->SetMapType(0);
    map->SetBaseMapProvider({});
    map->SetView(116.4, 39.9, 10);
    return map;
}

QImage RenderMap()
{
    return GetGlobalOvMapModule()->GetMapWidget()->grab().toImage().convertToFormat(
        QImage::Format_RGB32);
}

void SaveScreenshot(const QImage& image, const char* name)
{
    QDir().mkpath("screenshots");
    image.save(QStringLiteral("screenshots/%1.png").arg(QLatin1String(name)));
}

QPoint ScreenOf(double x, double y)
{
    int sx = 0, sy = 0;
    GetGlobalOvMapModule()->WorldToScreen(sx, sy, x, y);
    return QPoint(sx, sy);
}

QWidget* MapViewport()
{
    return static_cast<QAbstractScrollArea*>(GetGlobalOvMapModule()->GetMapWidget())->viewport();
}

void SendMouse(QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QWidget* viewport = MapViewport();
    QMouseEvent event(type, pos, viewport->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

CGeometryData BoxRing(const QRectF& box)
{
    CGeometryData ring(GEOMETRY_DATA_TYPE_POLYGON);
    for (const QPointF& p : { box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft() })
        ring.PushBack(CVector3D(p.x(), p.y()));
    return ring;
}

IAnnotation2DObject* MakeBox(IAnnotation2DMapLayer* layer, const QRectF& box, QColor fill)
{
    IAnnotation2DObject* object = GetOrCreateAnnotation2DModule()->CreateObject();
    object->SetMapLayer(layer);
    object->CreateFeature(ANNOTATION_FEATURE_RANGE, "");
    IAnnotationFeature* feature = object->GetFeature();
    feature->AddGeometry(BoxRing(box));
    auto* brush = static_cast<CFeatureBrushStyle*>(feature->FindStyle(FEATURE_STYLE_BRUSH));
    brush->SetBackgroundColor(fill);
    brush->SetPattern(Qt::NoBrush);
    static_cast<CFeaturePenStyle*>(feature->FindStyle(FEATURE_STYLE_PEN))->SetWidth(0.0);
    object->Prepare();
    object->Update();
    object->Refresh();
    object->SetVisible(true);
    return object;
}

int ColorDistance(QRgb a, QColor b)
{
    return std::abs(qRed(a) - b.red()) + std::abs(qGreen(a) - b.green())
        + std::abs(qBlue(a) - b.blue());
}

int CountNear(const QImage& image, const QRect& rect, QColor color, int tolerance)
{
    int count = 0;
    const QRect clipped = rect & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            count += ColorDistance(image.pixel(x, y), color) <= tolerance;
    return count;
}

void MapLayerTest::SetUp()
{
    map = ResetMap();
    module = GetOrCreateAnnotation2DModule();
    layer = module->CreateMapLayer("test layer");
    layer->SetZOrder(600);
    layer->Commit();
}

void MapLayerTest::TearDown()
{
    for (IAnnotation2DObject* object : objects)
        module->DestroyObject(object);
    module->DestroyMapLayer(layer);
    EXPECT_EQ(module->GetObjectCount(), 0);
}

IAnnotation2DObject* MapLayerTest::box(const QRectF& r, QColor fill)
{
    objects.push_back(MakeBox(layer, r, fill));
    return objects.back();
}
