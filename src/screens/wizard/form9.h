#pragma once

#include <QWidget>

// Form9: the deadline-passed dialog.
class Form9 : public QWidget
{
    Q_OBJECT

public:
    Form9();
};
