#pragma once

#include <QWidget>

// Form3: the win/loss table.
class Form3 : public QWidget
{
    Q_OBJECT

public:
    Form3();
};
