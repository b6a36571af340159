#pragma once

#include <QWidget>

// Form4: the help screen.
class Form4 : public QWidget
{
    Q_OBJECT

public:
    Form4();
};
