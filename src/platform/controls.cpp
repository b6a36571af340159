// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include "fonts.h"
#include "twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <algorithm>
#include <climits>

namespace {

constexpr char typingLimitProperty[] = "typingLimit";

// Check boxes and option buttons react to a click anywhere in the area their screen gives them,
// not only on the box and its caption.
template <typename Button> class WholeAreaButton : public Button
{
public:
    using Button::Button;

protected:
    bool hitButton(const QPoint &position) const override
    {
        return this->rect().contains(position);
    }
};

template <typename Control> Control *placed(Control *control, const QString &name, TwipsRect at)
{
    control->setObjectName(name);
    placeInTwips(control, at.left, at.top, at.width, at.height);
    return control;
}

// Turns Shift+F10 reaching the watched widget into the keyboard's request for its context menu.
class ShiftF10Menu : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier)
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        QWidget *focused = QApplication::focusWidget();
        const QWidget *from = focused && widget->isAncestorOf(focused) ? focused : widget;
        const QPoint at = from->rect().center();
        QContextMenuEvent request(QContextMenuEvent::Keyboard, from->mapTo(widget, at),
                                  from->mapToGlobal(at));
        QCoreApplication::sendEvent(widget, &request);
        return true;
    }
};

} // namespace

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, TwipsRect at)
{
    return placed(new QLabel(text, parent), name, at);
}

QLabel *makeLabelAt(QWidget *parent, const QString &name, const QString &text, int left, int top)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->adjustSize();
    label->move(pixelsFromTwips(left), pixelsFromTwips(top));
    return label;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, TwipsRect at)
{
    auto *button = placed(new QPushButton(caption, parent), name, at);
    // An auto-default button takes Return outside a dialog too; the screens are plain windows.
    button->setAutoDefault(true);
    return button;
}

void pressOnKey(QPushButton *button, const QKeySequence &key)
{
    // A shortcut of the button's own is dead while the button is hidden or disabled.
    new QShortcut(key, button, button, &QPushButton::click);
}

void openMenuOnShiftF10(QWidget *widget)
{
    widget->installEventFilter(new ShiftF10Menu(widget));
}

QLineEdit *makeTextBox(QWidget *parent, const QString &name, TwipsRect at, int maxLength,
                       bool centred)
{
    auto *box = placed(new QLineEdit(parent), name, at);
    box->setMaxLength(maxLength);
    box->setProperty(typingLimitProperty, maxLength);
    if (centred)
        box->setAlignment(Qt::AlignCenter);
    return box;
}

QLineEdit *makeNumberBox(QWidget *parent, const QString &name, TwipsRect at, int maxLength)
{
    QLineEdit *box = makeTextBox(parent, name, at, maxLength, true);
    box->setInputMethodHints(Qt::ImhPreferNumbers);
    return box;
}

void setBoxText(QLineEdit *box, const QString &text)
{
    const int length = static_cast<int>(std::min<qsizetype>(text.size(), INT_MAX));
    // Raised before the text goes in, which would otherwise be cut at the limit.
    box->setMaxLength(std::max(box->maxLength(), length));
    box->setText(text);
    box->setMaxLength(std::max(box->property(typingLimitProperty).toInt(), length));
}

QGroupBox *makeFrame(QWidget *parent, const QString &name, const QString &caption, TwipsRect at)
{
    return placed(new QGroupBox(caption, parent), name, at);
}

QCheckBox *makeCheckBox(QWidget *parent, const QString &name, const QString &caption, TwipsRect at)
{
    return placed(new WholeAreaButton<QCheckBox>(caption, parent), name, at);
}

QRadioButton *makeOption(QWidget *parent, const QString &name, const QString &caption, TwipsRect at)
{
    return placed(new WholeAreaButton<QRadioButton>(caption, parent), name, at);
}

QString elementName(const QString &array, int index)
{
    return QStringLiteral("%1(%2)").arg(array).arg(index);
}

void setUpDiscardedScreen(QWidget *screen, const QString &name, const QString &title,
                          int widthTwips, int heightTwips)
{
    screen->setObjectName(name);
    screen->setWindowTitle(title);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->setFont(gothicFont());
    setClientSizeInTwips(screen, widthTwips, heightTwips);
}
