#pragma once

#include <QWidget>

// Form10: first-run page 2, the level mode.
class Form10 : public QWidget
{
    Q_OBJECT

public:
    Form10();
};
