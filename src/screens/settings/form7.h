#pragma once

#include <QWidget>

// Form7: the unsaved-changes dialog.
class Form7 : public QWidget
{
    Q_OBJECT

public:
    Form7();
};
