// Runs one window test class by name (`test_ui Classe [Qt Test options]`), or
// every class when no name is given.
#include <QApplication>
#include <QTest>

#include <clocale>
#include <vector>

#include "SupportoUi.h"
#include "core/i18n/Messaggi.h"

namespace nottaro::test {
std::map<QString, CreaTest>& RegistroTestUi() {
    static std::map<QString, CreaTest> registro;
    return registro;
}
}  // namespace nottaro::test

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    auto& registro = nottaro::test::RegistroTestUi();
    std::vector<char*> argomenti(argv, argv + argc);
    std::vector<QString> classi;
    if (argc > 1 && registro.count(QString::fromLocal8Bit(argv[1]))) {
        classi.push_back(QString::fromLocal8Bit(argv[1]));
        argomenti.erase(argomenti.begin() + 1);
    } else {
        for (const auto& [nome, crea] : registro) classi.push_back(nome);
    }
    int esito = 0;
    for (const QString& nome : classi) {
        nottaro::ImpostaLinguaCatalogo(0);
        auto test = registro[nome]();
        esito |= QTest::qExec(test.get(), static_cast<int>(argomenti.size()), argomenti.data());
    }
    return esito;
}
