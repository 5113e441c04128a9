#include "shell/ui/navigation.h"

#include <QApplication>

namespace ttl {

namespace {
bool ending = false;
} // namespace

void EndProgram()
{
    ending = true;
    QApplication::closeAllWindows();
    QApplication::quit();
    ending = false;
}

bool ProgramEnding()
{
    return ending;
}

} // namespace ttl
