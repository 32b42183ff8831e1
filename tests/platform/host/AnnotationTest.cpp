#include "MapTestSupport.h"

#include "OvCoordSystem/host/annotation/FeatureIconStyle.h"
#include "OvCoordSystem/host/annotation/FeatureLabelStyle.h"
#include "OvCoordSystem/host/annotation/IAnnotationModule.h"
#include "OvCoordSystem/host/graphics/IOvGraphicsItem.h"

#include <memory>

namespace {
const QColor kRed(220, 0, 0), kGreen(0, 160, 0), kBlue(0, 0, 255);

class AnnotationTest : public MapLayerTest
{
protected:
    // An object of the test layer with a new feature of kind and its one part.
    IAnnotation2DObject* make(int kind, const char* name, CGeometryData part)
    {
        objects.push_back(module->CreateObject());
        objects.back()->SetMapLayer(layer);
        objects.back()->CreateFeature(kind, name);
        objects.back()->GetFeature()->AddGeometry(part);
        return objects.back();
    }
    template <class Style> static Style* style(IAnnotation2DObject* object, int type)
    {
        return static_cast<Style*>(object->GetFeature()->FindStyle(type));
    }
};

} // namespace

TEST_F(AnnotationTest, LayersStackByZOrderAndShowOnlyInTheirLevels)
{
    const QImage base = RenderMap();
    IAnnotation2DMapLayer* upper = module->CreateMapLayer("upper");
    upper->SetZOrder(700);
    upper->Commit();
    box(QRectF(116.2, 39.8, 0.4, 0.2), kRed);
    objects.push_back(MakeBox(upper, QRectF(116.3, 39.85, 0.4, 0.2), kGreen));
    const QPoint overlap = ScreenOf(116.5, 39.95);
    EXPECT_LE(ColorDistance(RenderMap().pixel(overlap), kGreen), 10);
    upper->SetZOrder(500);
    EXPECT_LE(ColorDistance(RenderMap().pixel(overlap), kRed), 10);

    // Levels 11 to 14 only: at level 10 the red box is not drawn; the settings
    // wait for Commit.
    layer->SetMinDisplayLevel(11);
    layer->SetMaxDisplayLevel(14);
    EXPECT_LE(ColorDistance(RenderMap().pixel(overlap), kRed), 10);
    layer->Commit();
    EXPECT_LE(ColorDistance(RenderMap().pixel(overlap), kGreen), 10);
    map->SetZoomLevel(12);
    EXPECT_LE(ColorDistance(RenderMap().pixel(ScreenOf(116.5, 39.95)), kRed), 10);

    // A destroyed layer takes its objects off the map.
    module->DestroyMapLayer(upper);
    EXPECT_EQ(objects.back()->GetMapLayer(), nullptr);
    map->SetZoomLevel(10);
    const QPoint onlyGreen = ScreenOf(116.68, 40.02);
    EXPECT_EQ(RenderMap().pixel(onlyGreen), base.pixel(onlyGreen));
}

// The corners come in the locator's order: drawn in that order they would make a bow tie, empty
// at the middle of the western side. Focus brings the object to the view's centre, where its name
// is written; destroyed while shown, it is gone from the map.
TEST_F(AnnotationTest, ExtentIsTheBoxOfItsCornersFocusedAndGoneWhenDestroyed)
{
    const double x1 = 116.2, y1 = 39.8, x2 = 116.6, y2 = 40.0;
    CGeometryData corners(GEOMETRY_DATA_TYPE_POLYGON);
    for (const CVector3D& p :
        { CVector3D(x1, y2), CVector3D(x2, y2), CVector3D(x1, y1), CVector3D(x2, y1) })
        corners.PushBack(p);
    IAnnotation2DObject* object = make(ANNOTATION_FEATURE_EXTENT, "extent", corners);
    style<CFeatureBrushStyle>(object, FEATURE_STYLE_BRUSH)->SetBackgroundColor(kBlue);
    style<CFeaturePenStyle>(object, FEATURE_STYLE_PEN)->SetColor(kRed);
    style<CFeaturePenStyle>(object, FEATURE_STYLE_PEN)->SetWidth(3.0);
    object->Prepare();
    object->SetVisible(true);
    map->SetView(100, 30, 5);
    module->FocusObject(object, 10);
    const QImage shown = RenderMap();
    SaveScreenshot(shown, "annotation_box");
    for (const QPoint at : { QPoint(400, 330), ScreenOf(x1 + 0.02, (y1 + y2) / 2),
             ScreenOf((x1 + x2) / 2, y2 - 0.02) })
        EXPECT_LE(ColorDistance(shown.pixel(at), kBlue), 10) << at.x() << "," << at.y();
    // The red outline runs along the western edge.
    const QPoint west = ScreenOf(x1, (y1 + y2) / 2);
    EXPECT_GT(CountNear(shown, QRect(west - QPoint(2, 2), QSize(5, 5)), kRed), 3);
    CVector3D min, max;
    ASSERT_TRUE(object->GetBoundingBox(min, max));
    EXPECT_TRUE(min == CVector3D(x1, y1) && max == CVector3D(x2, y2));

    module->DestroyObject(object);
    objects.clear();
    EXPECT_GT(ColorDistance(RenderMap().pixel(400, 330), kBlue), 100);
}

TEST_F(AnnotationTest, PointShowsMarkerAndLabelAboveRanges)
{
    box(QRectF(116.2, 39.8, 0.4, 0.2), kBlue);
    CGeometryData at(GEOMETRY_DATA_TYPE_POINT);
    at.PushBack(CVector3D(116.4, 39.9));
    IAnnotation2DObject* point = make(ANNOTATION_FEATURE_POINT, "116.400000,39.900000", at);
    style<CFeaturePenStyle>(point, FEATURE_STYLE_PEN)->SetColor(kRed);
    style<CFeatureLabelStyle>(point, FEATURE_STYLE_LABEL)->SetForegroundColor(kRed);
    style<CFeatureLabelStyle>(point, FEATURE_STYLE_LABEL)->SetOutLineColor(Qt::white);
    // An icon that does not exist falls back to the marker.
    style<CFeatureIconStyle>(point, FEATURE_STYLE_ICON)->SetIconUrl(":/no/such/icon.png");
    point->Prepare();
    point->SetPointFlag(true);
    point->SetVisible(true);
    const QImage image = RenderMap();
    SaveScreenshot(image, "annotation_point");
    const QPoint p = ScreenOf(116.4, 39.9);
    // The marker stands on the point (above it), the label to its right.
    EXPECT_GT(CountNear(image, QRect(p.x() - 10, p.y() - 30, 20, 28), kRed), 100);
    EXPECT_GT(CountNear(image, QRect(p.x() + 12, p.y() - 30, 150, 30), kRed, 60), 30);
    EXPECT_GT(CountNear(image, QRect(p.x() + 12, p.y() - 30, 150, 30), Qt::white, 10), 30);
    EXPECT_EQ(CountNear(image, QRect(p.x() - 10, p.y() + 2, 20, 20), kRed), 0);
}

// Handed-over features are freed with the object or when replaced, lent ones never: the leak
// checker and the address checker see to both. Bounds leave NaN points out; null and foreign
// arguments change nothing.
TEST_F(AnnotationTest, FeaturesOwnedOnlyWhenHandedOverBoundsAndNullArguments)
{
    IAnnotation2DObject* object = module->CreateObject();
    objects.push_back(object);
    CVector3D min, max;
    EXPECT_FALSE(object->GetBoundingBox(min, max));
    ASSERT_TRUE(object->CreateFeature(ANNOTATION_FEATURE_EXTENT, "name"));
    IAnnotationFeature* kept = object->GetFeature();
    EXPECT_TRUE(!object->CreateFeature(2, "no such kind") && object->GetFeature() == kept);
    IAnnotationModule* features = GetOrCreateAnnotationModule();
    object->SetFeature(features->CreateFeature(ANNOTATION_FEATURE_RANGE, "a"), true);
    object->SetFeature(features->CreateFeature(ANNOTATION_FEATURE_RANGE, "b"), true);
    std::unique_ptr<IAnnotationFeature> lent(
        features->CreateFeature(ANNOTATION_FEATURE_RANGE, "lent"));
    IAnnotation2DObject* borrower = module->CreateObject();
    borrower->SetFeature(lent.get(), false);
    borrower->CreateFeature(ANNOTATION_FEATURE_RANGE, "own");
    module->DestroyObject(borrower);
    EXPECT_EQ(lent->GetName(), "lent");

    object->CreateFeature(ANNOTATION_FEATURE_RANGE, "");
    object->GetFeature()->AddGeometry(BoxRing(QRectF(QPointF(116, 39), QPointF(117, 40))));
    CGeometryData nanPart(GEOMETRY_DATA_TYPE_POLYGON);
    nanPart.PushBack(CVector3D(NAN, 50));
    nanPart.PushBack(CVector3D(118, 41));
    object->GetFeature()->AddGeometry(nanPart);
    object->Update();
    ASSERT_TRUE(object->GetBoundingBox(min, max));
    EXPECT_TRUE(min == CVector3D(116, 39) && max == CVector3D(118, 41));
    CVector3D anchor;
    ASSERT_TRUE(object->GetFeature()->GetAnchor(anchor));
    EXPECT_EQ(anchor, CVector3D(117, 39));

    double x = 0, y = 0, x2 = 0, y2 = 0;
    map->GetCenter(x, y);
    module->FocusObject(nullptr, 14);
    module->DestroyObject(nullptr);
    module->DestroyMapLayer(nullptr);
    object->SetMapLayer(nullptr);
    object->SetFeature(nullptr, true);
    object->Update();
    EXPECT_EQ(object->GetFeature(), nullptr);
    module->FocusObject(object, 14);
    map->GetCenter(x2, y2);
    EXPECT_TRUE(QPointF(x, y) == QPointF(x2, y2) && map->GetZoomLevel() == 10);
}
