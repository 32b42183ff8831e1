#include "OvCoordSystem/locate/Locate.h"

#include "OvCoordSystem/host/annotation/GeometryData.h"
#include "OvCoordSystem/host/annotation/IAnnotation2DMapLayer.h"
#include "OvCoordSystem/host/annotation/IAnnotation2DObject.h"
#include "OvCoordSystem/host/app/SoftwareType.h"
#include "OvCoordSystem/host/graphics/IOvGraphicsModule.h"
#include "OvCoordSystem/host/graphics/IOvSceneItem.h"
#include "OvCoordSystem/host/map/IOvMapModule.h"
#include "OvCoordSystem/host/search/AdCode.h"
#include "OvCoordSystem/host/widgets/ZuMessageBox.h"
#include "OvCoordSystem/locate/LocateHost_p.h"

#include <QToolBar>
#include <QToolButton>

namespace {
const int kToolBarHeight = 24;
const int kCloseButtonWidth = 24;
const int kDownloadButtonWidth = 56;
// Scene-item widths of the tool bar with two and three buttons.
const int kTwoButtonWidth = 84;
const int kThreeButtonWidth = 140;

// Normal, pressed and hover images of a button, from the host's resources.
QString buttonStyleSheet(const char* normal, const char* pressed, const char* hover)
{
    return QStringLiteral("QToolButton {background-image:url(:/Resource/Other/%1);}"
                          "QToolButton:pressed {background-image:url(:/Resource/Other/%2)}"
                          "QToolButton:hover {background-image:url(:/Resource/Other/%3)}")
        .arg(QLatin1String(normal), QLatin1String(pressed), QLatin1String(hover));
}

QToolButton* addButton(QToolBar* toolBar, const char* objectName, const QString& toolTip, int width,
    const QString& styleSheet)
{
    auto* button = new QToolButton(toolBar);
    button->setObjectName(QLatin1String(objectName));
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(toolTip);
    button->setStyleSheet(styleSheet);
    button->setFixedSize(width, kToolBarHeight);
    toolBar->addWidget(button);
    return button;
}
} // namespace

bool CLocate::IsNetworkDownloadOffered() const
{
    const int mapType = GetCurrentMapType();
    const bool sharedMap = mapType == MAP_GOOGLE_EARTH
        || (mapType >= MAP_HISTORY_IMAGE_1 && mapType <= MAP_HISTORY_IMAGE_4);
    return sharedMap && tagAdCode(ToHostText(m_strCityKey)).level == 3;
}

void CLocate::InitToolBar()
{
    if (!m_pGraphicsModule) return;
    RemoveToolBar();
    m_pToolBar = new QToolBar();
    m_pToolBar->setObjectName(QStringLiteral("LocatorToolBar"));
    if (G_N_QUARRY_SOFTWARE_TYPE != QUARRY_SOFTWARE_PLAIN)
        m_pToolBar->setStyleSheet(
            QStringLiteral("QToolBar{background:#DEEEFF;border: 1px solid #00AEFF;spacing: 1px;}"));
    QToolButton* close = addButton(m_pToolBar, "btnCloseRange", QStringLiteral("取消"),
        kCloseButtonWidth, buttonStyleSheet("cancle1.png", "cancle.png", "cancle2.png"));
    QToolButton* download = addButton(m_pToolBar, "btnDownRange", QStringLiteral("下载"),
        kDownloadButtonWidth, buttonStyleSheet("down1.png", "down2.png", "down3.png"));
    download->setToolButtonStyle(Qt::ToolButtonIconOnly);
    QToolButton* networkDownload = nullptr;
    if (IsNetworkDownloadOffered())
        networkDownload = addButton(m_pToolBar, "btnNetworkDownRange", QStringLiteral("网盘下载"),
            kDownloadButtonWidth,
            buttonStyleSheet("networkdown1.png", "networkdown2.png", "networkdown3.png"));

    m_pSceneItem = m_pGraphicsModule->CreateSceneItem(
        ToHostText(QStringLiteral("当前范围")), m_pAnnotationLayer);
    m_pSceneItem->SetWidget(m_pToolBar);
    m_pSceneItem->SetSize(networkDownload ? kThreeButtonWidth : kTwoButtonWidth, kToolBarHeight);
    m_pSceneItem->SetScreenFixed(true);
    m_pSceneItem->SetVisible(false);
    m_pSceneItem->SetZValue((m_pAnnotationLayer ? m_pAnnotationLayer->GetZOrder() : 0) + 10);

    connect(close, &QToolButton::clicked, this, &CLocate::SlotCloseRange);
    connect(download, &QToolButton::clicked, this, &CLocate::SlotDownRange);
    if (networkDownload)
        connect(networkDownload, &QToolButton::clicked, this, &CLocate::SlotNetworkDownRange);
}

void CLocate::RemoveToolBar()
{
    if (!m_pSceneItem || !m_pGraphicsModule) return;
    m_pGraphicsModule->RemoveSceneItem(m_pSceneItem);
    m_pSceneItem = nullptr;
    m_pToolBar = nullptr; // freed with its scene item
}

void CLocate::BindToolBarToCurrentObject()
{
    IOvGraphicsItem* item = m_pCurrentObject->GetGraphicsItem();
    if (item && m_pGraphicsModule && m_pSceneItem)
        m_pGraphicsModule->BindSceneItem(m_pSceneItem, { item->GetId() });
}

void CLocate::LoadingDownloadButtonIntoScene()
{
    IAnnotationFeature* feature = m_pCurrentObject ? m_pCurrentObject->GetFeature() : nullptr;
    if (!feature) return;
    InitToolBar();
    m_bToolBarShown = true;
    if (!m_pSceneItem) return;
    CVector3D anchor;
    feature->GetAnchor(anchor);
    m_pSceneItem->SetPosition(anchor);
    m_pSceneItem->SetVisible(true);
    BindToolBarToCurrentObject();
}

void CLocate::LoadingDownloadButtonIntoScene(const QString& name, const QRectF& rect)
{
    IAnnotationFeature* feature = m_pCurrentObject ? m_pCurrentObject->GetFeature() : nullptr;
    // The first corner must be the minimum: width and height positive.
    if (!feature || rect.isEmpty() || !rect.isValid()) return;
    m_bToolBarShown = true;
    m_strCityName = name;
    InitToolBar();

    if (m_pSceneItem && m_pMapModule) {
        // Centred below the rectangle's centre.
        const int dx = IsNetworkDownloadOffered() ? -kThreeButtonWidth / 2 : -kTwoButtonWidth / 2;
        m_pSceneItem->SetPosition(
            CalcOffsetPos(dx, 20, CVector3D(rect.center().x(), rect.center().y())));
        m_pSceneItem->SetVisible(true);
    }

    CGeometryData ring(GEOMETRY_DATA_TYPE_POLYGON);
    ring.PushBack(CVector3D(rect.left(), rect.top(), 0.0));
    ring.PushBack(CVector3D(rect.right(), rect.top(), 0.0));
    ring.PushBack(CVector3D(rect.right(), rect.bottom(), 0.0));
    ring.PushBack(CVector3D(rect.left(), rect.bottom(), 0.0));
    ring.PushBack(CVector3D(rect.left(), rect.top(), 0.0));
    feature->ClearGeometry();
    feature->AddGeometry(ring);
    ChangeStyleAsDownload(m_pCurrentObject);
    m_pCurrentObject->Update();
    m_pCurrentObject->Refresh();
    BindToolBarToCurrentObject();
}

void CLocate::SlotDownRange()
{
    IAnnotationFeature* feature = m_pCurrentObject ? m_pCurrentObject->GetFeature() : nullptr;
    if (!feature || feature->GetGeometryCount() == 0) {
        ZuMessageBox::information(m_pDialogParent, QStringLiteral("请选择下载区域！"), kOkButton);
        return;
    }
    emit SigDownRange();
}

void CLocate::SlotCloseRange()
{
    DestroyCurrentObject();
    if (!m_pSceneItem) return;
    m_pSceneItem->SetVisible(false);
    m_bToolBarShown = false;
    m_strCityName.clear();
    emit SigCloseRange();
}
