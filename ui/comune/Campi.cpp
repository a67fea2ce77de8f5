#include "ui/comune/Campi.h"

#include "core/state/LimitiValori.h"
#include "ui/comune/Testi.h"

namespace nottaro::ui {

std::optional<double> NumeroDelCampo(const QLineEdit* campo, const QString& nomeCampo, Interazione& ui) {
    if (auto v = Numero(campo->text())) return v;
    ui.Avviso(Ss(Qm(1200).arg(SenzaAcceleratore(nomeCampo), campo->text())));
    const_cast<QLineEdit*>(campo)->setFocus();
    return std::nullopt;
}

std::optional<double> NumeroNelLimite(const QLineEdit* campo, const QString& nomeCampo, const char* valore,
                                      Interazione& ui) {
    const auto v = NumeroDelCampo(campo, nomeCampo, ui);
    if (!v) return v;
    const LimiteValore* l = TrovaLimite(valore);
    if (!l || VerificaLimite(*l, *v).Vuoto()) return v;
    ui.Avviso(Ss(Qm(1110).arg(SenzaAcceleratore(nomeCampo), campo->text(), Qs(l->TestoIntervallo()))));
    const_cast<QLineEdit*>(campo)->setFocus();
    return std::nullopt;
}

QString SenzaAcceleratore(QString testo) {
    testo.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    testo.remove(QLatin1Char('&'));
    testo.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    testo = testo.trimmed();
    while (testo.endsWith(QLatin1Char(':')) || testo.endsWith(QLatin1Char('='))) testo.chop(1);
    return testo.trimmed();
}

}  // namespace nottaro::ui
