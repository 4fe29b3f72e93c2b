#include <QApplication>
#include <QFile>

#include "app/CSorvelApp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::vector<std::string> args;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        args.push_back(QFile::encodeName(arguments[i]).toStdString());
    }
    sorvel::CSorvelApp sorvel;
    if (!sorvel.InitInstance(args)) {
        return sorvel.exitCode();
    }
    return QApplication::exec();
}
