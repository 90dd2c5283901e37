#include "ui/wholetextfocus.h"
#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace {
class WholeTextFilter : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            auto* box = static_cast<QLineEdit*>(watched);
            box->selectAll();
            // A click places the caret after the focus arrives; select again once it has.
            QTimer::singleShot(0, box, [box] { box->selectAll(); });
        }
        return false;
    }
};

class WholeTextClick : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The click places the caret once this press has been handled; select after that.
        if (event->type() == QEvent::MouseButtonPress) {
            auto* box = static_cast<QLineEdit*>(watched);
            QTimer::singleShot(0, box, [box] { box->selectAll(); });
        }
        return false;
    }
};
} // namespace

void selectWholeTextOnClick(QLineEdit* box)
{
    box->installEventFilter(new WholeTextClick(box));
}

void selectWholeTextOnFocus(QLineEdit* box)
{
    box->installEventFilter(new WholeTextFilter(box));
}

void focusWholeText(QLineEdit* box)
{
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}
