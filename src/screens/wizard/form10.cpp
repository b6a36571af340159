#include "form10.h"

using namespace Qt::Literals::StringLiterals;

Form10::Form10()
{
    setWindowTitle(u" モード選択 - zunoko"_s);
    setObjectName(u"Form10"_s);
    setAttribute(Qt::WA_DeleteOnClose);
}
