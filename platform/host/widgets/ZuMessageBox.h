#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <QString>

#include <functional>

class QWidget;

// The host's message box for telling the user something.
class OVPLATFORM_EXPORT ZuMessageBox
{
public:
    // Answers a box in place of the user: receives the text and the offered buttons and returns
    // the pressed button.
    using Responder = std::function<int(const QString& text, int buttons)>;

    // Shows text in a modal information box titled "提示" with the given buttons
    // (QMessageBox::StandardButtons values; 1024 is OK) and returns the pressed button.
    static int information(QWidget* parent, const QString& text, int buttons = 1024);

    // Installs responder for every later box (process-wide) and returns the previous one; an
    // empty responder shows real boxes again.
    static Responder setResponder(Responder responder);
};
