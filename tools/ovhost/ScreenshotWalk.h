#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class CHostWindow;

// A scripted walk through the host window that saves one PNG per step, for the demo, the README
// and the tests. A step file holds one step per line: a command and its arguments separated by
// blanks; blank lines and lines starting with "#" are skipped. Commands:
//   view LNG LAT LEVEL            centre the map
//   maptype TYPE                  switch the map type
//   format 0|1|2|3                degree format of the bar and the status bar
//   coordinate TEXT               locate a typed coordinate
//   division NAME-OR-CODE         show a division as the range
//   sheet NUMBER                  show a map sheet's extent as the range
//   rectangle LNG1 LAT1 LNG2 LAT2 drag a rectangle with the rectangle tool
//   merge CODE...                 merge divisions into one range
//   download | share | close-range  the range's tool bar buttons
//   export PATH                   export the range, answering the file dialog with PATH
//   options coordinates|tiles|elevation  show a page of the options
//   coordsys N                    choose coordinate system N for exports
//   parameters | custom-tiles | dem-spacing | merge-dialog  open that dialog
// A step that opens a dialog is pictured by the dialog, which is then closed; otherwise by the
// whole window.
class CScreenshotWalk : public QObject
{
    Q_OBJECT
public:
    struct Step
    {
        int line = 0;
        QString command;
        QStringList args;
    };

    // The default walk.
    static QString DefaultSteps();
    // Reads STEPS; false with ERROR naming the line of the first unknown command or wrong
    // argument count.
    static bool Parse(const QString& text, QList<Step>& steps, QString& error);

    CScreenshotWalk(CHostWindow* window, const QString& directory);

    // Runs the steps and writes "NN-command.png" for each into the directory; false with ERROR
    // when a picture cannot be written. WRITTEN receives the files' paths.
    bool Run(const QList<Step>& steps, QStringList& written, QString& error);

private slots:
    void SlotPollModal();

private:
    void runStep(const Step& step);
    void drag(double lng1, double lat1, double lng2, double lat2);

    CHostWindow* m_window;
    QString m_directory;
    QString m_command; // of the running step
    QImage m_dialogShot;
    int m_waitedPolls = 0;
};
