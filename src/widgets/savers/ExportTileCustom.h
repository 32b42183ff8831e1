#pragma once

#include "OvCoordSystem/OvGlobal.h"
#include "OvCoordSystem/host/widgets/CustomWidget.h"
#include "OvCoordSystem/widgets/savers/TileNamePattern.h"

#include <QIcon>

#include <memory>

struct DownloadTask;
class QRadioButton;

namespace Ui {
class ExportTileCustomClass;
}

// The custom tile naming dialog: a pattern of level, column and row variables with offsets
// (CTileNamePattern), the radix and case of the numbers and zero filling, with a preview of the
// folders and files the first four levels of a global pyramid get. "确定" writes the choice into
// the task, also when the pattern lacks a variable (then the dialog says so and stays open).
class OVCOORD_EXPORT ExportTileCustom : public CustomWidget
{
    Q_OBJECT
public:
    // TASK is not owned and must outlive the dialog.
    explicit ExportTileCustom(DownloadTask* task, QWidget* parent = nullptr);
    ~ExportTileCustom() override;

    // Scroll bars show only while the mouse is over the preview.
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void slotRadioButton_1(bool checked);
    void slotRadioButton_2(bool checked);
    void slotRadioButton_3(bool checked);
    void slotRadioButton_5(bool checked);
    void slotRbHexadecimal(bool checked);
    void slotRbDecimal(bool checked);
    void slotDxCheckBox(bool checked);
    void slotOk();
    void slotCancel();
    void slotCustomFormChanged(QString text);

private:
    void loadTask();
    void usePreset(const QRadioButton* preset, bool checked);
    void refreshPreview();

    std::unique_ptr<Ui::ExportTileCustomClass> m_ui;
    QIcon m_folderIcon;
    QIcon m_imageIcon;
    CTileNamePattern m_pattern;
    DownloadTask* m_task;
};
