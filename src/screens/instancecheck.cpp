#include "instancecheck.h"

#include "platform/platform.h"

using namespace Qt::Literals::StringLiterals;

bool refuseSecondInstance()
{
    if (!platform().anotherInstanceRunning())
        return false;
    platform().showMessage(u"プログラムは既に起動されています。"_s);
    platform().terminateProcess();
    return true;
}
