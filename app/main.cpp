#include "app/CRaceApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kvorax"));
    QApplication::setApplicationVersion(QStringLiteral(KVORAX_VERSION));
    CRaceApp raceApp;
    raceApp.InitInstance();
    return 0;
}
