#!/usr/bin/env python3
"""Writes the vendor's web site in server/ from readable sources.

- battc.dll: tools/site/announcements.txt (one announcement a line; an address or markup),
  with the count as its first line, scrambled with the announcement key.
- dot.dll: the manifest; each stamp changes when its file's content changes.
- 1.txt (the banner's probe), a.html (a sample announcement), Ann.gif, help/*.htm.
The three lists are written by the list tool (see server/README.md).
"""
import hashlib
import pathlib
import shutil

KEY = b"OrvesaKt"
VERSION = "1.0.0"
here = pathlib.Path(__file__).resolve().parent
top = here.parent.parent
site = top / "server"

HELP = {
    "en": ("ltr", "Vidorra help", [
        ("Watching", "Choose a view in the Filter box: by category, by country, your favorites or My Computer. Double-click a channel, or press Enter, to play it in the player area."),
        ("Favorites", "Right-click a channel and choose Add to favorites. In the Favorites view, right-click a favorite to watch, modify or delete it. Favorite > Import and Export move your favorites between computers."),
        ("Your own files", "File > Open plays files from this computer; choose several to play them as a list under My Computer. The File menu keeps the files you played last."),
        ("Finding a channel", "Options > Find searches names or, for TV channels, their information. Double-click a result to play it."),
        ("Reminders", "Right-click a channel and choose Schedule a program. Vidorra reminds you before it starts, in a small window and a desktop notification, and Watch starts the channel."),
        ("Turning off", "Options > Set Turn off Time turns the computer off after a time or at a time of day."),
        ("Lists and updates", "File > Update lists fetches the newest channel lists. Press Esc to leave full screen."),
    ]),
    "ge": ("ltr", "Vidorra-Hilfe", [
        ("Ansehen", "Wählen Sie im Feld Filter eine Ansicht: nach Kategorie, nach Land, Ihre Favoriten oder Arbeitsplatz. Doppelklicken Sie auf einen Sender oder drücken Sie die Eingabetaste, um ihn abzuspielen."),
        ("Favoriten", "Klicken Sie mit der rechten Maustaste auf einen Sender und wählen Sie Zu Favoriten hinzufügen. In der Favoritenansicht können Sie Favoriten ansehen, ändern oder löschen; Importieren und Exportieren übertragen sie auf andere Computer."),
        ("Eigene Dateien", "Datei > Öffnen spielt Dateien dieses Computers ab; mehrere Dateien laufen als Liste unter Arbeitsplatz. Das Menü Datei merkt sich die zuletzt gespielten Dateien."),
        ("Sender finden", "Optionen > Suchen durchsucht die Namen oder die Informationen der Fernsehsender. Ein Doppelklick auf ein Ergebnis spielt es ab."),
        ("Erinnerungen", "Klicken Sie mit der rechten Maustaste auf einen Sender und wählen Sie Sendung vormerken. Vidorra erinnert Sie vor Beginn in einem kleinen Fenster und mit einer Desktop-Benachrichtigung."),
        ("Ausschalten", "Optionen > Ausschaltzeit festlegen schaltet den Computer nach einer Dauer oder zu einer Uhrzeit aus."),
        ("Listen", "Datei > Listen aktualisieren lädt die neuesten Senderlisten. Mit Esc verlassen Sie den Vollbildmodus."),
    ]),
    "fr": ("ltr", "Aide de Vidorra", [
        ("Regarder", "Choisissez une vue dans la zone Filtre\u00a0: par catégorie, par pays, vos favoris ou Poste de travail. Double-cliquez sur une chaîne, ou appuyez sur Entrée, pour la regarder."),
        ("Favoris", "Cliquez avec le bouton droit sur une chaîne et choisissez Ajouter aux favoris. Dans la vue Favoris, vous pouvez regarder, modifier ou supprimer un favori\u00a0; Importer et Exporter les transportent d'un ordinateur à l'autre."),
        ("Vos fichiers", "Fichier > Ouvrir lit les fichiers de cet ordinateur\u00a0; plusieurs fichiers sont lus comme une liste sous Poste de travail."),
        ("Trouver une chaîne", "Options > Rechercher cherche dans les noms ou dans les informations des chaînes de télévision. Double-cliquez sur un résultat pour le lire."),
        ("Rappels", "Cliquez avec le bouton droit sur une chaîne et choisissez Programmer une émission. Vidorra vous prévient avant le début, dans une petite fenêtre et par une notification."),
        ("Arrêt", "Options > Programmer l'arrêt éteint l'ordinateur après une durée ou à une heure précise."),
        ("Listes", "Fichier > Mettre à jour les listes télécharge les listes les plus récentes. Échap quitte le plein écran."),
    ]),
    "es": ("ltr", "Ayuda de Vidorra", [
        ("Ver", "Elija una vista en el cuadro Filtro: por categoría, por país, sus favoritos o Mi PC. Haga doble clic en un canal, o pulse Intro, para verlo."),
        ("Favoritos", "Haga clic con el botón derecho en un canal y elija Añadir a favoritos. En la vista Favoritos puede ver, modificar o eliminar un favorito; Importar y Exportar los llevan a otros equipos."),
        ("Sus archivos", "Archivo > Abrir reproduce archivos de este equipo; varios archivos se reproducen como una lista bajo Mi PC."),
        ("Buscar un canal", "Opciones > Buscar busca en los nombres o en la información de los canales de televisión. Haga doble clic en un resultado para reproducirlo."),
        ("Recordatorios", "Haga clic con el botón derecho en un canal y elija Agendar un programa. Vidorra le avisa antes de que empiece, en una ventana pequeña y con una notificación."),
        ("Apagado", "Opciones > Programar apagado apaga el equipo tras un tiempo o a una hora determinada."),
        ("Listas", "Archivo > Actualizar listas descarga las listas más recientes. Esc sale de la pantalla completa."),
    ]),
    "it": ("ltr", "Guida di Vidorra", [
        ("Guardare", "Scegliete una vista nella casella Filtro: per categoria, per paese, i preferiti o Risorse del computer. Fate doppio clic su un canale, o premete Invio, per guardarlo."),
        ("Preferiti", "Fate clic con il tasto destro su un canale e scegliete Aggiungi ai preferiti. Nella vista Preferiti potete guardare, modificare o eliminare un preferito; Importa ed Esporta li portano su altri computer."),
        ("I vostri file", "File > Apri riproduce i file di questo computer; più file vengono riprodotti come elenco sotto Risorse del computer."),
        ("Trovare un canale", "Opzioni > Trova cerca nei nomi o nelle informazioni dei canali TV. Un doppio clic su un risultato lo riproduce."),
        ("Promemoria", "Fate clic con il tasto destro su un canale e scegliete Programma una trasmissione. Vidorra vi avvisa prima dell'inizio, con una piccola finestra e una notifica."),
        ("Spegnimento", "Opzioni > Imposta spegnimento spegne il computer dopo un certo tempo o a un'ora precisa."),
        ("Elenchi", "File > Aggiorna elenchi scarica gli elenchi più recenti. Esc esce dallo schermo intero."),
    ]),
    "po": ("ltr", "Ajuda do Vidorra", [
        ("Assistir", "Escolha uma exibição na caixa Filtro: por categoria, por país, seus favoritos ou Meu computador. Clique duas vezes em um canal, ou pressione Enter, para assistir."),
        ("Favoritos", "Clique com o botão direito em um canal e escolha Adicionar aos favoritos. Na exibição Favoritos você pode assistir, modificar ou excluir um favorito; Importar e Exportar os levam para outros computadores."),
        ("Seus arquivos", "Arquivo > Abrir reproduz arquivos deste computador; vários arquivos tocam como uma lista em Meu computador."),
        ("Encontrar um canal", "Opções > Localizar procura nos nomes ou nas informações dos canais de TV. Clique duas vezes em um resultado para reproduzi-lo."),
        ("Lembretes", "Clique com o botão direito em um canal e escolha Agendar um programa. O Vidorra avisa antes do início, em uma pequena janela e com uma notificação."),
        ("Desligamento", "Opções > Programar desligamento desliga o computador depois de um tempo ou em um horário."),
        ("Listas", "Arquivo > Atualizar listas baixa as listas mais recentes. Esc sai da tela cheia."),
    ]),
    "du": ("ltr", "Vidorra-help", [
        ("Kijken", "Kies een weergave in het vak Filter: per categorie, per land, uw favorieten of Deze computer. Dubbelklik op een zender, of druk op Enter, om hem af te spelen."),
        ("Favorieten", "Klik met de rechtermuisknop op een zender en kies Toevoegen aan favorieten. In de weergave Favorieten kunt u een favoriet bekijken, wijzigen of verwijderen; Importeren en Exporteren brengen ze naar andere computers."),
        ("Uw eigen bestanden", "Bestand > Openen speelt bestanden van deze computer af; meerdere bestanden spelen als lijst onder Deze computer."),
        ("Een zender zoeken", "Opties > Zoeken zoekt in de namen of in de informatie van de tv-zenders. Dubbelklik op een resultaat om het af te spelen."),
        ("Herinneringen", "Klik met de rechtermuisknop op een zender en kies Programma plannen. Vidorra herinnert u vóór het begin, in een klein venster en met een melding."),
        ("Uitschakelen", "Opties > Uitschakeltijd instellen schakelt de computer uit na een tijd of op een tijdstip."),
        ("Lijsten", "Bestand > Lijsten bijwerken haalt de nieuwste zenderlijsten op. Esc verlaat het volledige scherm."),
    ]),
    "ru": ("ltr", "Справка Vidorra", [
        ("Просмотр", "Выберите вид в поле «Фильтр»: по категориям, по странам, избранное или «Мой компьютер». Дважды щёлкните канал или нажмите Enter, чтобы начать просмотр."),
        ("Избранное", "Щёлкните канал правой кнопкой и выберите «Добавить в избранное». В виде «Избранное» элемент можно смотреть, изменять или удалять; импорт и экспорт переносят избранное на другие компьютеры."),
        ("Ваши файлы", "«Файл > Открыть» воспроизводит файлы этого компьютера; несколько файлов воспроизводятся списком в разделе «Мой компьютер»."),
        ("Поиск канала", "«Настройки > Найти» ищет по названиям или по описанию телеканалов. Двойной щелчок по результату запускает его."),
        ("Напоминания", "Щёлкните канал правой кнопкой и выберите «Запланировать передачу». Vidorra напомнит перед началом в небольшом окне и уведомлением."),
        ("Выключение", "«Настройки > Время выключения» выключает компьютер через заданное время или в заданный час."),
        ("Списки", "«Файл > Обновить списки» загружает новые списки каналов. Esc выходит из полноэкранного режима."),
    ]),
    "gr": ("ltr", "Βοήθεια Vidorra", [
        ("Παρακολούθηση", "Επιλέξτε προβολή στο πεδίο Φίλτρο: ανά κατηγορία, ανά χώρα, τα αγαπημένα σας ή ο Υπολογιστής μου. Κάντε διπλό κλικ σε ένα κανάλι ή πατήστε Enter για να το δείτε."),
        ("Αγαπημένα", "Κάντε δεξί κλικ σε ένα κανάλι και επιλέξτε Προσθήκη στα αγαπημένα. Στην προβολή Αγαπημένα μπορείτε να παρακολουθήσετε, να τροποποιήσετε ή να διαγράψετε ένα αγαπημένο."),
        ("Τα αρχεία σας", "Αρχείο > Άνοιγμα αναπαράγει αρχεία αυτού του υπολογιστή· πολλά αρχεία παίζουν ως λίστα στον Υπολογιστή μου."),
        ("Εύρεση καναλιού", "Επιλογές > Αναζήτηση ψάχνει στα ονόματα ή στις πληροφορίες των τηλεοπτικών καναλιών. Διπλό κλικ σε ένα αποτέλεσμα το αναπαράγει."),
        ("Υπενθυμίσεις", "Κάντε δεξί κλικ σε ένα κανάλι και επιλέξτε Προγραμματισμός εκπομπής. Το Vidorra σας υπενθυμίζει πριν από την έναρξη, σε ένα μικρό παράθυρο και με ειδοποίηση."),
        ("Τερματισμός", "Επιλογές > Ορισμός ώρας τερματισμού κλείνει τον υπολογιστή μετά από ένα διάστημα ή σε μια ώρα."),
        ("Λίστες", "Αρχείο > Ενημέρωση λιστών κατεβάζει τις νεότερες λίστες. Το Esc βγαίνει από την πλήρη οθόνη."),
    ]),
    "ar": ("rtl", "تعليمات Vidorra", [
        ("المشاهدة", "اختر طريقة العرض في مربع التصفية: حسب الفئة أو حسب البلد أو المفضلة أو جهاز الكمبيوتر. انقر نقرًا مزدوجًا على قناة أو اضغط Enter لمشاهدتها."),
        ("المفضلة", "انقر بزر الفأرة الأيمن على قناة واختر إضافة إلى المفضلة. في عرض المفضلة يمكنك المشاهدة أو التعديل أو الحذف، ويتيح الاستيراد والتصدير نقلها إلى أجهزة أخرى."),
        ("ملفاتك", "ملف ثم فتح يشغّل ملفات هذا الجهاز، وتُشغَّل عدة ملفات كقائمة تحت جهاز الكمبيوتر."),
        ("البحث عن قناة", "خيارات ثم بحث يبحث في الأسماء أو في معلومات القنوات التلفزيونية. انقر نقرًا مزدوجًا على نتيجة لتشغيلها."),
        ("التذكير", "انقر بزر الفأرة الأيمن على قناة واختر جدولة برنامج، وسيذكّرك Vidorra قبل بدئه في نافذة صغيرة وبإشعار."),
        ("إيقاف التشغيل", "خيارات ثم تحديد وقت إيقاف التشغيل يطفئ الجهاز بعد مدة أو في وقت محدد."),
        ("القوائم", "ملف ثم تحديث القوائم ينزّل أحدث قوائم القنوات. يخرج مفتاح Esc من ملء الشاشة."),
    ]),
}


def scrambled(text: str) -> bytes:
    data = text.encode("utf-8")
    return bytes(b ^ KEY[i % len(KEY)] for i, b in enumerate(data))


def stamp(prefix: str, data: bytes) -> str:
    return f"{prefix}-{hashlib.sha256(data).hexdigest()[:12]}"


def help_page(code: str) -> str:
    direction, title, sections = HELP[code]
    body = "\n".join(f"<h2>{h}</h2>\n<p>{p}</p>" for h, p in sections)
    return (f"<!DOCTYPE html>\n<html lang=\"{code}\" dir=\"{direction}\">\n<head><meta charset=\"utf-8\">"
            f"<title>{title}</title>\n<style>body{{font:15px sans-serif;max-width:44em;margin:2em auto;line-height:1.5}}"
            f"h1{{color:#1b2a44}}h2{{color:#2b6cc4;font-size:1.1em}}</style></head>\n<body>\n<h1>{title}</h1>\n{body}\n"
            f"</body>\n</html>\n")


def main() -> None:
    lines = (here / "announcements.txt").read_text(encoding="utf-8").splitlines()
    battc = scrambled(str(len(lines)) + "\r\n" + "\r\n".join(lines) + "\r\n")
    (site / "battc.dll").write_bytes(battc)
    stamps = [stamp("announcements", battc)]
    for prefix, name in (("tv", "avtapit.dll"), ("radio", "atlr.dll"), ("store", "apcupm.dll")):
        stamps.append(stamp(prefix, (site / name).read_bytes()))
    (site / "dot.dll").write_bytes(("\r\n".join(stamps + [VERSION]) + "\r\n").encode())
    (site / "1.txt").write_text("online\n")
    (site / "a.html").write_text(lines[2] + "\n", encoding="utf-8")
    shutil.copyfile(top / "data" / "Ann.gif", site / "Ann.gif")
    (site / "help").mkdir(exist_ok=True)
    for code in HELP:
        (site / "help" / f"{code}.htm").write_text(help_page(code), encoding="utf-8")


main()
