#pragma once

#include <QWidget>

// Form11: the copy customisation.
class Form11 : public QWidget
{
    Q_OBJECT

public:
    Form11();
};
