#include "shell/ui/navigation.h"

#include <QApplication>

namespace ttl {

void EndProgram()
{
    QApplication::closeAllWindows();
    QApplication::quit();
}

} // namespace ttl
