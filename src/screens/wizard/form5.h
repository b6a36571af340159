#pragma once

#include <QWidget>

// Form5: first-run page 1, the body data.
class Form5 : public QWidget
{
    Q_OBJECT

public:
    Form5();

    // The load steps: the single-instance check before the page is shown.
    void Form_Load();
};
