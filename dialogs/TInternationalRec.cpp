#include "TInternationalRec.h"

namespace LanguageTable {

namespace {
// clang-format off
const TInternationalRec Rows[RowCount] = {
    {{"Cancel", "Warning", "Error", "Information", "Confirm", "",
      "Yes", "No", "OK", "Cancel", "Abort", "Retry", "Ignore", "All", "No to All", "Yes to All", "Help"}},
    {{"Отмена", "Предупреждение", "Ошибка", "Информация", "Подтверждение", "",
      "Да", "Нет", "OK", "Отмена", "Прервать", "Повторить", "Пропустить", "Все", "Нет для всех", "Да для всех",
      "Справка"}},
    {{"Cancelar", "Aviso", "Erro", "Informação", "Confirmação", "",
      "Sim", "Não", "OK", "Cancelar", "Abortar", "Repetir", "Ignorar", "Todos", "Não a todos", "Sim a todos",
      "Ajuda"}},
    {{"İptal", "Uyarı", "Hata", "Bilgi", "Onay", "",
      "Evet", "Hayır", "Tamam", "İptal", "Durdur", "Yinele", "Yoksay", "Tümü", "Tümüne hayır", "Tümüne evet",
      "Yardım"}},
    {{"Abbrechen", "Warnung", "Fehler", "Information", "Bestätigung", "",
      "Ja", "Nein", "OK", "Abbrechen", "Abbrechen", "Wiederholen", "Ignorieren", "Alle", "Alle nein", "Alle ja",
      "Hilfe"}},
    {{"Annuleren", "Waarschuwing", "Fout", "Informatie", "Bevestiging", "",
      "Ja", "Nee", "OK", "Annuleren", "Afbreken", "Opnieuw", "Negeren", "Alles", "Nee op alles", "Ja op alles",
      "Help"}},
    {{"Annuler", "Avertissement", "Erreur", "Information", "Confirmation", "",
      "Oui", "Non", "OK", "Annuler", "Abandonner", "Réessayer", "Ignorer", "Tous", "Non à tout", "Oui à tout",
      "Aide"}},
    {{"Άκυρο", "Προειδοποίηση", "Σφάλμα", "Πληροφορία", "Επιβεβαίωση", "",
      "Ναι", "Όχι", "OK", "Άκυρο", "Διακοπή", "Επανάληψη", "Παράβλεψη", "Όλα", "Όχι σε όλα", "Ναι σε όλα",
      "Βοήθεια"}},
    {{"Cancelar", "Advertencia", "Error", "Información", "Confirmación", "",
      "Sí", "No", "Aceptar", "Cancelar", "Anular", "Reintentar", "Omitir", "Todos", "No a todo", "Sí a todo",
      "Ayuda"}},
    {{"Annulla", "Attenzione", "Errore", "Informazione", "Conferma", "",
      "Sì", "No", "OK", "Annulla", "Interrompi", "Riprova", "Ignora", "Tutti", "No a tutti", "Sì a tutti",
      "Guida"}},
    {{"Mégsem", "Figyelmeztetés", "Hiba", "Információ", "Megerősítés", "",
      "Igen", "Nem", "OK", "Mégsem", "Megszakít", "Újra", "Kihagy", "Mind", "Mindre nem", "Mindre igen",
      "Súgó"}},
    {{"Anulare", "Avertisment", "Eroare", "Informaţie", "Confirmare", "",
      "Da", "Nu", "OK", "Anulare", "Abandon", "Reîncercare", "Ignorare", "Toate", "Nu la toate", "Da la toate",
      "Ajutor"}},
};
// clang-format on
} // namespace

const TInternationalRec &row(int language)
{
    return Rows[language >= 0 && language < RowCount ? language : English];
}

} // namespace LanguageTable
