#pragma once

#include <QWidget>

// Form6: first-run page 3, the confirmation.
class Form6 : public QWidget
{
    Q_OBJECT

public:
    Form6();
};
