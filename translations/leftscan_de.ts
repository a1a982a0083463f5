<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ActionBanner</name>
    <message>
        <source>Undo</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Last action</source>
        <translation>Letzte Aktion</translation>
    </message>
</context>
<context>
    <name>ActionReportText</name>
    <message numerus="yes">
        <source>Moved %Ln item(s) to the Trash</source>
        <translation>
            <numerusform>%Ln Eintrag in den Papierkorb verschoben</numerusform>
            <numerusform>%Ln Einträge in den Papierkorb verschoben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %Ln could not be moved</source>
        <translation>
            <numerusform>; %Ln konnte nicht verschoben werden</numerusform>
            <numerusform>; %Ln konnten nicht verschoben werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tagged %Ln item(s) %1</source>
        <translation>
            <numerusform>%Ln Eintrag mit %1 markiert</numerusform>
            <numerusform>%Ln Einträge mit %1 markiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tagged %Ln item(s)</source>
        <translation>
            <numerusform>%Ln Eintrag markiert</numerusform>
            <numerusform>%Ln Einträge markiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %Ln could not be tagged</source>
        <translation>
            <numerusform>; %Ln konnte nicht markiert werden</numerusform>
            <numerusform>; %Ln konnten nicht markiert werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Put back %Ln item(s)</source>
        <translation>
            <numerusform>%Ln Eintrag zurückgelegt</numerusform>
            <numerusform>%Ln Einträge zurückgelegt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %Ln could not be put back</source>
        <translation>
            <numerusform>; %Ln konnte nicht zurückgelegt werden</numerusform>
            <numerusform>; %Ln konnten nicht zurückgelegt werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %Ln more</source>
        <translation>
            <numerusform> und %Ln weiterer</numerusform>
            <numerusform> und %Ln weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; left %Ln that needed a look in place: %1</source>
        <translation>
            <numerusform>; %Ln Eintrag, der genauer angesehen werden sollte, blieb an seinem Platz: %1</numerusform>
            <numerusform>; %Ln Einträge, die genauer angesehen werden sollten, blieben an ihrem Platz: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>AlertText</name>
    <message>
        <source>Open System Settings to allow access?</source>
        <translation>Systemeinstellungen öffnen, um den Zugriff zu erlauben?</translation>
    </message>
    <message>
        <source>Full Disk Access required</source>
        <translation>Festplattenvollzugriff erforderlich</translation>
    </message>
    <message>
        <source>Leftscan needs Full Disk Access to scan all leftover files.</source>
        <translation>Leftscan braucht den Festplattenvollzugriff, um alle Überbleibsel zu finden.</translation>
    </message>
    <message>
        <source>Automation access required</source>
        <translation>Automation-Zugriff erforderlich</translation>
    </message>
    <message>
        <source>Leftscan needs Automation permission to move protected items to Trash.</source>
        <translation>Leftscan braucht die Automation-Erlaubnis, um geschützte Einträge in den Papierkorb zu verschieben.</translation>
    </message>
    <message>
        <source>Cannot scan the root folder</source>
        <translation>Der Wurzelordner kann nicht durchsucht werden</translation>
    </message>
    <message>
        <source>The home folder %1 is the root folder, whose entries are the system&apos;s own. Choose a user&apos;s home folder.</source>
        <translation>Der persönliche Ordner %1 ist der Wurzelordner, dessen Einträge dem System gehören. Wählen Sie den persönlichen Ordner eines Benutzers.</translation>
    </message>
    <message>
        <source>Cannot read the Library folder</source>
        <translation>Der Library-Ordner kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot read the home folder</source>
        <translation>Der persönliche Ordner kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Leftscan cannot read %1. Check that the folder exists and that you are allowed to read it.</source>
        <translation>Leftscan kann %1 nicht lesen. Prüfen Sie, ob der Ordner existiert und ob Sie ihn lesen dürfen.</translation>
    </message>
    <message>
        <source>Admin rights required</source>
        <translation>Administratorrechte erforderlich</translation>
    </message>
    <message>
        <source>The item &apos;%1&apos; requires administrator privileges to move to Trash. Do you want to continue?</source>
        <translation>Um „%1“ in den Papierkorb zu verschieben, sind Administratorrechte nötig. Möchten Sie fortfahren?</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) require administrator privileges to move to Trash. Do you want to continue?</source>
        <translation>
            <numerusform>Um %n Eintrag in den Papierkorb zu verschieben, sind Administratorrechte nötig. Möchten Sie fortfahren?</numerusform>
            <numerusform>Um %n Einträge in den Papierkorb zu verschieben, sind Administratorrechte nötig. Möchten Sie fortfahren?</numerusform>
        </translation>
    </message>
    <message>
        <source>Error while deleting</source>
        <translation>Fehler beim Löschen</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be moved to the Trash.

Error: %2</source>
        <translation>„%1“ konnte nicht in den Papierkorb verschoben werden.

Fehler: %2</translation>
    </message>
    <message>
        <source>

The file &apos;%1&apos; could not be deleted.

Error: %2</source>
        <translation>

„%1“ konnte nicht gelöscht werden.

Fehler: %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>BulkActionSheet</name>
    <message>
        <source>Mark with %1</source>
        <translation>Mit %1 markieren</translation>
    </message>
    <message>
        <source>Bulk actions</source>
        <translation>Sammelaktionen</translation>
    </message>
    <message>
        <source>Bulk action for %1 items</source>
        <translation>Sammelaktion für %1 Einträge</translation>
    </message>
    <message>
        <source>What should happen to the selected items?</source>
        <translation>Was soll mit den ausgewählten Einträgen geschehen?</translation>
    </message>
    <message>
        <source>%1 in all</source>
        <translation>%1 insgesamt</translation>
    </message>
    <message>
        <source>Move all to Trash</source>
        <translation>Alle in den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ByteCountFormatter</name>
    <message numerus="yes">
        <source>%1 byte</source>
        <translation>
            <numerusform>%1 Byte</numerusform>
            <numerusform>%1 Byte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 bytes</source>
        <translation>
            <numerusform>%1 Byte</numerusform>
            <numerusform>%1 Byte</numerusform>
        </translation>
    </message>
    <message>
        <source>Zero KB</source>
        <translation>Null KB</translation>
    </message>
</context>
<context>
    <name>CatalogueCommand</name>
    <message>
        <source>ROW</source>
        <translation>ZEILE</translation>
    </message>
    <message>
        <source>KEYWORD</source>
        <translation>STICHWORT</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>BUNDLE ID</source>
        <translation>BUNDLE-ID</translation>
    </message>
</context>
<context>
    <name>CliQuestions</name>
    <message>
        <source>The item &apos;%1&apos; requires administrator privileges to move to Trash.</source>
        <translation>Um „%1“ in den Papierkorb zu verschieben, sind Administratorrechte nötig.</translation>
    </message>
    <message>
        <source>→ Cancel (no terminal to ask on)</source>
        <translation>→ Abbruch (kein Terminal für die Rückfrage)</translation>
    </message>
    <message>
        <source>Continue with administrator rights? [y/N]</source>
        <translation>Mit Administratorrechten fortfahren? [y/N]</translation>
    </message>
    <message>
        <source>%1 could not be moved to the Trash: %2</source>
        <translation>%1 konnte nicht in den Papierkorb verschoben werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) require administrator privileges to move to Trash.</source>
        <translation>
            <numerusform>Um %n Eintrag in den Papierkorb zu verschieben, sind Administratorrechte nötig.</numerusform>
            <numerusform>Um %n Einträge in den Papierkorb zu verschieben, sind Administratorrechte nötig.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown profile %1 (mac|linux)</source>
        <translation>unbekanntes Profil %1 (mac|linux)</translation>
    </message>
    <message>
        <source>--threshold needs a whole number of days, 0 or more, not %1</source>
        <translation>--threshold braucht eine ganze Zahl von Tagen, 0 oder mehr, nicht %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>no command given (try --help)</source>
        <translation>kein Befehl angegeben (siehe --help)</translation>
    </message>
    <message>
        <source>unknown command %1 (try --help)</source>
        <translation>unbekannter Befehl %1 (siehe --help)</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 braucht %2</translation>
    </message>
    <message>
        <source>a colour and paths</source>
        <translation>eine Farbe und Pfade</translation>
    </message>
    <message>
        <source>paths</source>
        <translation>Pfade</translation>
    </message>
    <message>
        <source>unknown format %1 (%2)</source>
        <translation>unbekanntes Format %1 (%2)</translation>
    </message>
    <message>
        <source>--timings works with scan only</source>
        <translation>--timings gibt es nur für scan</translation>
    </message>
    <message>
        <source>--demo works with scan only</source>
        <translation>--demo gibt es nur für scan</translation>
    </message>
    <message>
        <source>--force works with trash only</source>
        <translation>--force gibt es nur für trash</translation>
    </message>
    <message>
        <source>--no-sizes works with scan only</source>
        <translation>--no-sizes gibt es nur für scan</translation>
    </message>
    <message>
        <source>--demo-linux works with scan only, and not with --demo</source>
        <translation>--demo-linux gibt es nur für scan und nicht zusammen mit --demo</translation>
    </message>
    <message>
        <source>usage: leftscan-cli scan [--root DIR] [--home DIR] [--profile mac|linux] [--threshold DAYS]
                         [--format table|json|csv] [--demo | --demo-linux] [--no-sizes] [--timings]
                         [--verbose]
       leftscan-cli trash [--root DIR] [--home DIR] [--profile mac|linux] [--threshold DAYS] [--force]
                          [--verbose] [--] PATH...
       leftscan-cli tag [--root DIR] [--home DIR] [--profile mac|linux] [--verbose] [--] COLOR PATH...
       leftscan-cli restore [--root DIR] [--home DIR] [--profile mac|linux] [--verbose] [--] PATH...
       leftscan-cli inventory [--root DIR] [--home DIR] [--profile mac|linux] [--format table|json]
                              [--verbose]
       leftscan-cli catalogue [--format table|json] [--verbose]
       leftscan-cli --help | --version

  scan         lists what applications left behind: in a Mac&apos;s Library folders, or in a Linux home&apos;s
               .config, .local/share, .cache, .local/state, Flatpak and snap data, autostart entries,
               user services, menu entries and dot-files and dot-folders
  trash        moves leftovers that a scan lists to the Trash
  tag          marks leftovers that a scan lists with a tag colour (Red, Orange, Yellow, Green, Blue,
               Purple, Gray)
  restore      puts leftovers back from the Trash at the places they were moved from (the latest moved
               from each), where nothing has taken their place
  inventory    the installed software found, one line per inventory key
  catalogue    the known applications recognised by name, in lookup order

  --root DIR        the folder that stands for &quot;/&quot; of the system to scan (default /)
  --home DIR        the user&apos;s home folder on this machine (default: your home)
  --profile P       mac: a Mac&apos;s Library folders; linux: a Linux desktop&apos;s home against the packages,
                    Flatpak apps and snaps installed there (default: mac when the home has a Library
                    folder, else linux)
  --threshold DAYS  days without use after which a leftover counts as old, and within which a change
                    inside makes trash refuse it (default 365)
  --format F        output format (default table)
  --demo            scan a generated demonstration Mac instead of --root and --home
  --demo-linux      scan a generated demonstration Linux desktop instead of --root and --home
  --no-sizes        do not measure what each leftover takes on disk (sizes are then the entries&apos; own)
  --timings         the time spent in each stage of the scan, on standard error
  --force           moves items that trash would otherwise refuse: those that hold your own files,
                    changed inside recently or could not be looked into everywhere, and orphans whose
                    names also match an installed app
  --verbose         also write the diagnostic log to standard error
  --                ends the options: what follows are paths, even those that start with a dash
  --help            this text
  --version         the program&apos;s name and version

See leftscan-cli(1) for the output&apos;s fields and the exit statuses.
</source>
        <translation>Aufruf: leftscan-cli scan [--root DIR] [--home DIR] [--profile mac|linux] [--threshold TAGE]
                          [--format table|json|csv] [--demo | --demo-linux] [--no-sizes] [--timings]
                          [--verbose]
        leftscan-cli trash [--root DIR] [--home DIR] [--profile mac|linux] [--threshold TAGE] [--force]
                           [--verbose] [--] PFAD...
        leftscan-cli tag [--root DIR] [--home DIR] [--profile mac|linux] [--verbose] [--] FARBE PFAD...
        leftscan-cli restore [--root DIR] [--home DIR] [--profile mac|linux] [--verbose] [--] PFAD...
        leftscan-cli inventory [--root DIR] [--home DIR] [--profile mac|linux] [--format table|json]
                               [--verbose]
        leftscan-cli catalogue [--format table|json] [--verbose]
        leftscan-cli --help | --version

  scan         listet, was Programme zurückgelassen haben: in den Library-Ordnern eines Macs oder in
               .config, .local/share, .cache, .local/state, Flatpak- und Snap-Daten, Autostart-Einträgen,
               Benutzerdiensten, Menüeinträgen und versteckten Dateien und Ordnern eines Linux-Home
  trash        verschiebt Überreste, die ein Scan auflistet, in den Papierkorb
  tag          markiert Überreste, die ein Scan auflistet, mit einer Tag-Farbe (Red, Orange, Yellow, Green,
               Blue, Purple, Gray)
  restore      legt Überreste aus dem Papierkorb an die Stelle zurück, von der sie verschoben wurden (jeweils
               den zuletzt verschobenen), sofern dort nichts anderes ihren Platz eingenommen hat
  inventory    die gefundene installierte Software, eine Zeile je Inventarschlüssel
  catalogue    die bekannten Programme, die am Namen erkannt werden, in Suchreihenfolge

  --root DIR        der Ordner, der für „/“ des zu durchsuchenden Systems steht (Vorgabe /)
  --home DIR        der persönliche Ordner des Benutzers auf diesem Rechner (Vorgabe: Ihr persönlicher Ordner)
  --profile P       mac: die Library-Ordner eines Macs; linux: den persönlichen Ordner eines Linux-Desktops
                    gegen die dort installierten Pakete, Flatpak-Programme und Snaps (Vorgabe: mac, wenn
                    der persönliche Ordner einen Library-Ordner hat, sonst linux)
  --threshold TAGE  Tage ohne Nutzung, nach denen ein Überrest als alt gilt und innerhalb derer eine
                    Änderung darin trash ablehnen lässt (Vorgabe 365)
  --format F        Ausgabeformat (Vorgabe table)
  --demo            einen erzeugten Vorführ-Mac durchsuchen statt --root und --home
  --demo-linux      einen erzeugten Vorführ-Linux-Desktop durchsuchen statt --root und --home
  --no-sizes        nicht messen, was jeder Überrest auf dem Datenträger belegt (Größen sind dann die der
                    Einträge selbst)
  --timings         die Zeit, die jeder Abschnitt des Scans braucht, auf der Standardfehlerausgabe
  --force           verschiebt auch Einträge, die trash sonst ablehnt: solche, die Ihre eigenen Dateien
                    enthalten, in denen sich kürzlich etwas geändert hat oder die nicht überall eingesehen
                    werden konnten, und verwaiste Einträge, deren Namen auch zu einem installierten Programm passen
  --verbose         auch das Diagnoseprotokoll auf die Standardfehlerausgabe schreiben
  --                beendet die Optionen: was folgt, sind Pfade, auch solche, die mit einem Bindestrich beginnen
  --help            dieser Text
  --version         Name und Version des Programms

Die Felder der Ausgabe und die Rückgabewerte beschreibt leftscan-cli(1).
</translation>
    </message>
    <message>
        <source>--threshold works with scan and trash only</source>
        <translation>--threshold gilt nur für scan und trash</translation>
    </message>
    <message>
        <source>%1 takes no --root, --home, --profile or --threshold</source>
        <translation>%1 nimmt kein --root, --home, --profile oder --threshold</translation>
    </message>
    <message>
        <source>the home folder cannot be the root folder (%1)</source>
        <translation>der persönliche Ordner kann nicht der Wurzelordner sein (%1)</translation>
    </message>
</context>
<context>
    <name>DetailView</name>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Orphan – no app found</source>
        <translation>Verwaist – Programm fehlt</translation>
    </message>
    <message>
        <source>In the Trash</source>
        <translation>Im Papierkorb</translation>
    </message>
    <message>
        <source>Tagged</source>
        <translation>Markiert</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Associated App</source>
        <translation>Zugehöriges Programm</translation>
    </message>
    <message>
        <source>Last used</source>
        <translation>Zuletzt verwendet</translation>
    </message>
    <message>
        <source>Last changed</source>
        <translation>Zuletzt geändert</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Last modified</source>
        <translation>Zuletzt bearbeitet</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>%1, for example:</source>
        <translation>%1, zum Beispiel:</translation>
    </message>
    <message>
        <source>Make sure you have kept what you need before moving it to the Trash.</source>
        <translation>Sichern Sie, was Sie noch brauchen, bevor Sie es in den Papierkorb verschieben.</translation>
    </message>
    <message>
        <source>Holds your own files</source>
        <translation>Enthält Ihre eigenen Dateien</translation>
    </message>
    <message>
        <source>Used recently</source>
        <translation>Kürzlich verwendet</translation>
    </message>
    <message>
        <source>Something inside changed %1.%2</source>
        <translation>Darin hat sich %1 etwas geändert.%2</translation>
    </message>
    <message>
        <source> The item itself looks unused, but a program may still be writing into it.</source>
        <translation> Der Eintrag selbst wirkt unbenutzt, aber womöglich schreibt ein Programm noch hinein.</translation>
    </message>
    <message>
        <source>Why this app</source>
        <translation>Warum dieses Programm</translation>
    </message>
    <message>
        <source>weak match: %1</source>
        <translation>schwache Übereinstimmung: %1</translation>
    </message>
    <message>
        <source>Not used for a long time</source>
        <translation>Lange unbenutzt</translation>
    </message>
    <message>
        <source>This item hasn&apos;t been opened or used for %1 days.</source>
        <translation>Dieser Eintrag wurde seit %1 Tagen nicht geöffnet oder verwendet.</translation>
    </message>
    <message>
        <source>Nothing in this item has changed for %1 days.</source>
        <translation>In diesem Eintrag hat sich seit %1 Tagen nichts geändert.</translation>
    </message>
    <message>
        <source>May belong to an installed app</source>
        <translation>Gehört vielleicht zu einem installierten Programm</translation>
    </message>
    <message>
        <source>Tag with color</source>
        <translation>Mit Farbe markieren</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>In den Papierkorb</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>mindestens %1</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1 Datei</translation>
    </message>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 Datei</numerusform>
            <numerusform>%1 Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>%1 (not installed)</source>
        <translation>%1 (nicht installiert)</translation>
    </message>
    <message numerus="yes">
        <source>Its name also matches %1, which is installed. Check before moving it to the Trash.</source>
        <translation>
            <numerusform>Sein Name passt auch zu %1, das installiert ist. Prüfen Sie das, bevor Sie den Eintrag in den Papierkorb verschieben.</numerusform>
            <numerusform>Sein Name passt auch zu %1, die installiert sind. Prüfen Sie das, bevor Sie den Eintrag in den Papierkorb verschieben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The item itself has not changed for %n days.</source>
        <translation>
            <numerusform>Der Eintrag selbst hat sich seit %n Tag nicht geändert.</numerusform>
            <numerusform>Der Eintrag selbst hat sich seit %n Tagen nicht geändert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DisplayText</name>
    <message>
        <source>Application Support</source>
        <translation>Application Support</translation>
    </message>
    <message>
        <source>Application Scripts</source>
        <translation>Application Scripts</translation>
    </message>
    <message>
        <source>LaunchAgents</source>
        <translation>LaunchAgents</translation>
    </message>
    <message>
        <source>LaunchDaemons</source>
        <translation>LaunchDaemons</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Caches</source>
        <translation>Caches</translation>
    </message>
    <message>
        <source>Containers</source>
        <translation>Containers</translation>
    </message>
    <message>
        <source>Saved Application State</source>
        <translation>Saved Application State</translation>
    </message>
    <message>
        <source>Logs</source>
        <translation>Logs</translation>
    </message>
    <message>
        <source>Cron Jobs</source>
        <translation>Cron-Jobs</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Application Data</source>
        <translation>Programmdaten</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Flatpak Data</source>
        <translation>Flatpak-Daten</translation>
    </message>
    <message>
        <source>Snap Data</source>
        <translation>Snap-Daten</translation>
    </message>
    <message>
        <source>Autostart</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>User Services</source>
        <translation>Benutzerdienste</translation>
    </message>
    <message>
        <source>Menu Entries</source>
        <translation>Menüeinträge</translation>
    </message>
    <message>
        <source>Dot Folders</source>
        <translation>Versteckte Ordner</translation>
    </message>
    <message>
        <source>Safe</source>
        <translation>Unbedenklich</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Vorsicht</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Risk (high → low)</source>
        <translation>Risiko (hoch → niedrig)</translation>
    </message>
    <message>
        <source>Size (large → small)</source>
        <translation>Größe (groß → klein)</translation>
    </message>
    <message>
        <source>Name (A → Z)</source>
        <translation>Name (A → Z)</translation>
    </message>
    <message>
        <source>Last used (oldest → newest)</source>
        <translation>Zuletzt verwendet (älteste → neueste)</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Wird gemessen …</translation>
    </message>
</context>
<context>
    <name>EmptyDetailView</name>
    <message>
        <source>Select an item</source>
        <translation>Wählen Sie einen Eintrag</translation>
    </message>
    <message>
        <source>Click an item on the left
to see details.</source>
        <translation>Klicken Sie links auf einen Eintrag,
um die Details zu sehen.</translation>
    </message>
</context>
<context>
    <name>EmptyResultsView</name>
    <message>
        <source>No leftovers found</source>
        <translation>Keine Überreste gefunden</translation>
    </message>
    <message>
        <source>No results match your filters.</source>
        <translation>Kein Ergebnis passt zu Ihren Filtern.</translation>
    </message>
</context>
<context>
    <name>EvidenceText</name>
    <message>
        <source>package</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>Flatpak app</source>
        <translation>Flatpak-App</translation>
    </message>
    <message>
        <source>snap</source>
        <translation>Snap</translation>
    </message>
    <message>
        <source>program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>running program</source>
        <translation>laufendes Programm</translation>
    </message>
    <message>
        <source>menu entry</source>
        <translation>Menüeintrag</translation>
    </message>
    <message>
        <source>pipx package</source>
        <translation>pipx-Paket</translation>
    </message>
    <message>
        <source>npm package</source>
        <translation>npm-Paket</translation>
    </message>
    <message>
        <source>cargo crate</source>
        <translation>cargo-Crate</translation>
    </message>
    <message>
        <source>Go program</source>
        <translation>Go-Programm</translation>
    </message>
    <message>
        <source>Homebrew formula</source>
        <translation>Homebrew-Formel</translation>
    </message>
    <message>
        <source>Nix package</source>
        <translation>Nix-Paket</translation>
    </message>
    <message>
        <source>JetBrains Toolbox app</source>
        <translation>JetBrains-Toolbox-App</translation>
    </message>
    <message>
        <source>AppImage</source>
        <translation>AppImage</translation>
    </message>
    <message>
        <source>folder in /opt</source>
        <translation>Ordner in /opt</translation>
    </message>
    <message>
        <source>autostart entry</source>
        <translation>Autostart-Eintrag</translation>
    </message>
    <message>
        <source>user service</source>
        <translation>Benutzerdienst</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 of %2 %3</source>
        <translation>%1 von %2 %3</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>system property-list Label %1</source>
        <translation>Label %1 einer Eigenschaftsliste des Systems</translation>
    </message>
    <message>
        <source>property-list Label %1 is inventory key %2</source>
        <translation>Label %1 der Eigenschaftsliste ist Inventarschlüssel %2</translation>
    </message>
    <message>
        <source>property-list Label %1 is the bundle identifier of %2</source>
        <translation>Label %1 der Eigenschaftsliste ist die Bundle-ID von %2</translation>
    </message>
    <message>
        <source>inventory key %1</source>
        <translation>Inventarschlüssel %1</translation>
    </message>
    <message>
        <source>entry name is the bundle identifier %1</source>
        <translation>Name des Eintrags ist die Bundle-ID %1</translation>
    </message>
    <message>
        <source>installed application %1</source>
        <translation>installiertes Programm %1</translation>
    </message>
    <message>
        <source>catalogue keyword &apos;%1&apos; (row %2)</source>
        <translation>Katalog-Stichwort &apos;%1&apos; (Zeile %2)</translation>
    </message>
    <message>
        <source>last part of the bundle identifier %1</source>
        <translation>letzter Teil der Bundle-ID %1</translation>
    </message>
    <message>
        <source>helper or agent name pattern</source>
        <translation>Namensmuster eines Helfers oder Agenten</translation>
    </message>
    <message>
        <source>name token &apos;%1&apos; is inventory key %2</source>
        <translation>Namensteil &apos;%1&apos; ist Inventarschlüssel %2</translation>
    </message>
    <message>
        <source>name word &apos;%1&apos; occurs in inventory key %2</source>
        <translation>Namenswort &apos;%1&apos; kommt in Inventarschlüssel %2 vor</translation>
    </message>
    <message>
        <source>identifier part or name word occurs in the name of %1</source>
        <translation>ein Teil der Kennung oder ein Namenswort von %1 kommt im Namen vor</translation>
    </message>
    <message>
        <source>name word &apos;%1&apos; resembles an identifier part or name word of %2</source>
        <translation>Namenswort &apos;%1&apos; ähnelt einem Teil der Kennung oder einem Namenswort von %2</translation>
    </message>
    <message>
        <source>name word &apos;%1&apos; matches a word of inventory key %2</source>
        <translation>Namenswort &apos;%1&apos; passt zu einem Wort von Inventarschlüssel %2</translation>
    </message>
    <message>
        <source>application name of inventory key %1 matches the name</source>
        <translation>Programmname von Inventarschlüssel %1 passt zum Namen</translation>
    </message>
    <message>
        <source>application name of inventory key %1 resembles the name</source>
        <translation>Programmname von Inventarschlüssel %1 ähnelt dem Namen</translation>
    </message>
    <message>
        <source>a word of inventory key %1 resembles a word of the name</source>
        <translation>ein Wort von Inventarschlüssel %1 ähnelt einem Wort des Namens</translation>
    </message>
    <message>
        <source>inventory key %1 and the name start alike</source>
        <translation>Inventarschlüssel %1 und der Name beginnen gleich</translation>
    </message>
    <message>
        <source>property-list Label %1 matches inventory key %2</source>
        <translation>Label %1 der Eigenschaftsliste passt zu Inventarschlüssel %2</translation>
    </message>
    <message>
        <source>property-list Label part &apos;%1&apos; is inventory key %2</source>
        <translation>Teil &apos;%1&apos; des Labels der Eigenschaftsliste ist Inventarschlüssel %2</translation>
    </message>
    <message>
        <source>Flatpak app %1 is installed</source>
        <translation>Flatpak-App %1 ist installiert</translation>
    </message>
    <message>
        <source>no installed Flatpak app has the ID %1</source>
        <translation>keine installierte Flatpak-App hat die ID %1</translation>
    </message>
    <message>
        <source>%1 starts %2, which is installed</source>
        <translation>%1 startet %2 (installiert)</translation>
    </message>
    <message>
        <source>%1 starts %2, which is not installed</source>
        <translation>%1 startet %2 (nicht installiert)</translation>
    </message>
    <message>
        <source>%1 starts menu entry %2, which is gone</source>
        <translation>%1 startet Menüeintrag %2 (nicht mehr vorhanden)</translation>
    </message>
    <message>
        <source>%1 runs %2, which is gone</source>
        <translation>%1 führt %2 aus (nicht mehr vorhanden)</translation>
    </message>
    <message>
        <source>%1 runs %2, of %3</source>
        <translation>%1 führt %2 aus, aus %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names %2: %3, which is installed</source>
        <translation>&apos;%1&apos; nennt %2: %3 (installiert)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names the project %2: %3, which is installed</source>
        <translation>&apos;%1&apos; nennt das Projekt %2: %3 (installiert)</translation>
    </message>
    <message>
        <source>package %1 was removed and is not installed</source>
        <translation>Paket %1 wurde entfernt und ist nicht installiert</translation>
    </message>
    <message>
        <source>package %1 was removed and is not installed; only %2, which holds no program of that name, is left of it</source>
        <translation>Paket %1 wurde entfernt und ist nicht installiert; übrig ist nur %2, das kein Programm dieses Namens enthält</translation>
    </message>
    <message>
        <source>package %1 was removed and is not installed; only %2, a library, is left of it</source>
        <translation>Paket %1 wurde entfernt und ist nicht installiert; übrig ist nur die Bibliothek %2</translation>
    </message>
    <message>
        <source>folder of %1; %2 is installed</source>
        <translation>Ordner von %1; %2 ist installiert</translation>
    </message>
    <message>
        <source>folder of %1; none of %2 is installed</source>
        <translation>Ordner von %1; nichts davon ist installiert: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read by %2 (documented in %3); %4 is installed</source>
        <translation>&apos;%1&apos; wird von %2 gelesen (dokumentiert in %3); %4 ist installiert</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read by %2 (documented in %3); none of %4 is installed</source>
        <translation>&apos;%1&apos; wird von %2 gelesen (dokumentiert in %3); nichts davon ist installiert: %4</translation>
    </message>
    <message>
        <source>no installed package, program, Flatpak app, snap or menu entry is named %1, nor a library or data package of that name</source>
        <translation>kein installiertes Paket, Programm, keine Flatpak-App, kein Snap und kein Menüeintrag heißt %1, auch keine Bibliothek und kein Datenpaket</translation>
    </message>
    <message>
        <source>no installed program, Flatpak app, snap or menu entry is named %1</source>
        <translation>kein installiertes Programm, keine Flatpak-App, kein Snap und kein Menüeintrag heißt %1</translation>
    </message>
    <message>
        <source>%1 has the name but is a library</source>
        <translation>%1 trägt den Namen, ist aber eine Bibliothek</translation>
    </message>
    <message>
        <source>%1 has the name but holds no program, menu entry or service</source>
        <translation>%1 trägt den Namen, enthält aber kein Programm, keinen Menüeintrag und keinen Dienst</translation>
    </message>
    <message>
        <source>%1 is kept only until apt&apos;s autoremove, as nothing installed needs it</source>
        <translation>%1 bleibt nur bis zu apts autoremove, da nichts Installiertes es braucht</translation>
    </message>
    <message>
        <source>only the word &apos;%1&apos; matches %2, which is installed: a look-alike, not the owner</source>
        <translation>nur das Wort &apos;%1&apos; passt zu %2 (installiert): ähnlich, aber nicht der Eigentümer</translation>
    </message>
    <message>
        <source>only the start &apos;%1&apos; matches %2, which is installed: a look-alike, not the owner</source>
        <translation>nur der Anfang &apos;%1&apos; passt zu %2 (installiert): ähnlich, aber nicht der Eigentümer</translation>
    </message>
    <message>
        <source>no evidence found</source>
        <translation>kein Hinweis gefunden</translation>
    </message>
    <message>
        <source>package name &apos;%1&apos;</source>
        <translation>Paketname &apos;%1&apos;</translation>
    </message>
    <message>
        <source>source package &apos;%1&apos;</source>
        <translation>Quellpaket &apos;%1&apos;</translation>
    </message>
    <message>
        <source>executable &apos;%1&apos;</source>
        <translation>Programmdatei &apos;%1&apos;</translation>
    </message>
    <message>
        <source>desktop-file ID &apos;%1&apos;</source>
        <translation>Desktop-Datei-ID &apos;%1&apos;</translation>
    </message>
    <message>
        <source>window class &apos;%1&apos;</source>
        <translation>Fensterklasse &apos;%1&apos;</translation>
    </message>
    <message>
        <source>menu name &apos;%1&apos;</source>
        <translation>Menüname &apos;%1&apos;</translation>
    </message>
    <message>
        <source>icon name &apos;%1&apos;</source>
        <translation>Symbolname &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Flatpak ID &apos;%1&apos;</source>
        <translation>Flatpak-ID &apos;%1&apos;</translation>
    </message>
    <message>
        <source>last part of Flatpak ID &apos;%1&apos;</source>
        <translation>letzter Teil der Flatpak-ID &apos;%1&apos;</translation>
    </message>
    <message>
        <source>snap name &apos;%1&apos;</source>
        <translation>Snap-Name &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Nix package &apos;%1&apos;</source>
        <translation>Nix-Paket &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Homebrew formula &apos;%1&apos;</source>
        <translation>Homebrew-Formel &apos;%1&apos;</translation>
    </message>
    <message>
        <source>npm package &apos;%1&apos;</source>
        <translation>npm-Paket &apos;%1&apos;</translation>
    </message>
    <message>
        <source>pipx package &apos;%1&apos;</source>
        <translation>pipx-Paket &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cargo crate &apos;%1&apos;</source>
        <translation>cargo-Crate &apos;%1&apos;</translation>
    </message>
    <message>
        <source>JetBrains Toolbox app &apos;%1&apos;</source>
        <translation>JetBrains-Toolbox-App &apos;%1&apos;</translation>
    </message>
    <message>
        <source>AppImage &apos;%1&apos;</source>
        <translation>AppImage &apos;%1&apos;</translation>
    </message>
    <message>
        <source>folder &apos;%1&apos;</source>
        <translation>Ordner &apos;%1&apos;</translation>
    </message>
    <message>
        <source>running program &apos;%1&apos;</source>
        <translation>laufendes Programm &apos;%1&apos;</translation>
    </message>
    <message>
        <source>snap %1</source>
        <translation>Snap %1</translation>
    </message>
</context>
<context>
    <name>FailureText</name>
    <message>
        <source>It is not an entry of a Library folder</source>
        <translation>Es ist kein Eintrag eines Library-Ordners</translation>
    </message>
    <message>
        <source>It is not in a Library folder that a scan lists</source>
        <translation>Es liegt in keinem Library-Ordner, den ein Scan durchsucht</translation>
    </message>
    <message>
        <source>It is not in a folder that a scan lists</source>
        <translation>Es liegt in keinem Ordner, den ein Scan durchsucht</translation>
    </message>
    <message>
        <source>It no longer exists</source>
        <translation>Es existiert nicht mehr</translation>
    </message>
    <message>
        <source>Its folder cannot be reached</source>
        <translation>Sein Ordner ist nicht erreichbar</translation>
    </message>
    <message>
        <source>Its folder %1 no longer exists</source>
        <translation>Sein Ordner %1 existiert nicht mehr</translation>
    </message>
    <message>
        <source>System Settings &gt; Privacy &amp; Security &gt; Automation: allow Leftscan to control System Events.</source>
        <translation>Systemeinstellungen &gt; Datenschutz &amp; Sicherheit &gt; Automation: Leftscan erlauben, System Events zu steuern.</translation>
    </message>
    <message>
        <source>It is still in its place after the administrator command</source>
        <translation>Es liegt nach dem Administratorbefehl noch an seinem Platz</translation>
    </message>
    <message>
        <source>It lies outside the home, where administrator rights are not used</source>
        <translation>Es liegt außerhalb des persönlichen Ordners, wo keine Administratorrechte verwendet werden</translation>
    </message>
    <message>
        <source>The Trash cannot be written</source>
        <translation>In den Papierkorb kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>It must be confirmed by name first: it holds your own files, was used recently or may belong to an installed app</source>
        <translation>Es muss erst namentlich bestätigt werden: Es enthält Ihre eigenen Dateien, wurde kürzlich verwendet oder gehört vielleicht zu einem installierten Programm</translation>
    </message>
    <message>
        <source>It is the home folder</source>
        <translation>Es ist der persönliche Ordner</translation>
    </message>
    <message>
        <source>It holds the home folder</source>
        <translation>Es enthält den persönlichen Ordner</translation>
    </message>
    <message>
        <source>It is the Library folder of the home</source>
        <translation>Es ist der Library-Ordner des persönlichen Ordners</translation>
    </message>
    <message>
        <source>It holds the Library folder of the home</source>
        <translation>Es enthält den Library-Ordner des persönlichen Ordners</translation>
    </message>
    <message>
        <source>It is the root folder</source>
        <translation>Es ist der Wurzelordner</translation>
    </message>
    <message>
        <source>It holds the root folder</source>
        <translation>Es enthält den Wurzelordner</translation>
    </message>
    <message>
        <source>It is the Library folder of the root</source>
        <translation>Es ist der Library-Ordner des Wurzelordners</translation>
    </message>
    <message>
        <source>It holds the Library folder of the root</source>
        <translation>Es enthält den Library-Ordner des Wurzelordners</translation>
    </message>
    <message>
        <source>It is the home&apos;s Trash</source>
        <translation>Es ist der Papierkorb des persönlichen Ordners</translation>
    </message>
    <message>
        <source>It holds the home&apos;s Trash</source>
        <translation>Es enthält den Papierkorb des persönlichen Ordners</translation>
    </message>
    <message>
        <source>It is the scanned folder %1</source>
        <translation>Es ist der durchsuchte Ordner %1</translation>
    </message>
    <message>
        <source>It holds the scanned folder %1</source>
        <translation>Es enthält den durchsuchten Ordner %1</translation>
    </message>
    <message>
        <source>It is the application %1</source>
        <translation>Es ist das Programm %1</translation>
    </message>
    <message>
        <source>It holds the application %1</source>
        <translation>Es enthält das Programm %1</translation>
    </message>
</context>
<context>
    <name>InventoryCommand</name>
    <message>
        <source>KEY</source>
        <translation>SCHLÜSSEL</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>BUNDLE ID</source>
        <translation>BUNDLE-ID</translation>
    </message>
    <message>
        <source>VERSION</source>
        <translation>VERSION</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PFAD</translation>
    </message>
    <message>
        <source>OWNER</source>
        <translation>EIGENTÜMER</translation>
    </message>
    <message>
        <source>KIND</source>
        <translation>ART</translation>
    </message>
    <message>
        <source>NAMED AS</source>
        <translation>BENANNT ALS</translation>
    </message>
    <message numerus="yes">
        <source>%n keys</source>
        <translation>
            <numerusform>%n Schlüssel</numerusform>
            <numerusform>%n Schlüssel</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LeftscanApp</name>
    <message>
        <source>About Leftscan</source>
        <translation>Über Leftscan</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Leftscan&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Finds what uninstalled applications, and applications not used for a long time, leave behind in the Library folders of a Mac or the home of a Linux desktop.&lt;/p&gt;&lt;p&gt;Copyright © 2026 The Leftscan developers&lt;br&gt;Leftscan is free software under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with ABSOLUTELY NO WARRANTY. See &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;the licence&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Uses Qt %2 and libplist, under the GNU Lesser General Public License; symbols from Bootstrap Icons, under the MIT licence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Leftscan&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Findet, was deinstallierte und lange nicht verwendete Programme in den Library-Ordnern eines Macs oder im persönlichen Ordner eines Linux-Desktops zurücklassen.&lt;/p&gt;&lt;p&gt;Copyright © 2026 Die Leftscan-Entwickler&lt;br&gt;Leftscan ist freie Software unter der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version (GPL-3.0-or-later). Es gibt KEINERLEI GARANTIE. Siehe &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;die Lizenz&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Verwendet Qt %2 und libplist unter der GNU Lesser General Public License; Symbole aus Bootstrap Icons unter der MIT-Lizenz.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Scan Your Own Home</source>
        <translation>Ihren persönlichen Ordner durchsuchen</translation>
    </message>
    <message>
        <source>Try the Demonstration Mac</source>
        <translation>Den Vorführ-Mac ausprobieren</translation>
    </message>
    <message>
        <source>The demonstration Mac could not be made</source>
        <translation>Der Vorführ-Mac konnte nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Leftscan</source>
        <translation>&amp;Leftscan</translation>
    </message>
    <message>
        <source>About Leftscan</source>
        <translation>Über Leftscan</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Scan starten</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Quit Leftscan</source>
        <translation>Leftscan beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo Move to Trash</source>
        <translation>Verschieben in den Papierkorb widerrufen</translation>
    </message>
    <message>
        <source>Select All Shown</source>
        <translation>Alle angezeigten auswählen</translation>
    </message>
    <message>
        <source>Clear Selection</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>Stop Scan</source>
        <translation>Scan anhalten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Leftscan Manual</source>
        <translation>Leftscan-Handbuch</translation>
    </message>
</context>
<context>
    <name>ManualView</name>
    <message>
        <source>Leftscan Manual</source>
        <translation>Leftscan-Handbuch</translation>
    </message>
</context>
<context>
    <name>MetaCell</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ProfileText</name>
    <message>
        <source>Scan the Library folders (Ctrl+R)</source>
        <translation>Die Library-Ordner durchsuchen (Strg+R)</translation>
    </message>
    <message>
        <source>Scan the home folder (Ctrl+R)</source>
        <translation>Den persönlichen Ordner durchsuchen (Strg+R)</translation>
    </message>
    <message>
        <source>Bundle ID</source>
        <translation>Bundle-ID</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Im Finder zeigen</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>Im Dateimanager zeigen</translation>
    </message>
    <message>
        <source>Scan your Mac for leftovers
from uninstalled apps.</source>
        <translation>Durchsuchen Sie Ihren Mac nach Überresten
deinstallierter Programme.</translation>
    </message>
    <message>
        <source>Scan your home folder for leftovers
from uninstalled apps.</source>
        <translation>Durchsuchen Sie Ihren persönlichen Ordner
nach Überresten deinstallierter Programme.</translation>
    </message>
    <message>
        <source>Choose Finder Tag</source>
        <translation>Finder-Tag wählen</translation>
    </message>
    <message>
        <source>Choose a Tag</source>
        <translation>Tag wählen</translation>
    </message>
    <message>
        <source>The tag will be visible in Finder and helps you categorize items without deleting them.</source>
        <translation>Das Tag ist im Finder sichtbar und hilft Ihnen, Einträge zu ordnen, ohne sie zu löschen.</translation>
    </message>
    <message>
        <source>The tag is kept with the item, where file managers that read tags (such as Dolphin) show it, and helps you categorize items without deleting them.</source>
        <translation>Das Tag wird am Eintrag gespeichert, wo Dateiverwaltungen, die Tags lesen (etwa Dolphin), es anzeigen, und hilft Ihnen, Einträge zu ordnen, ohne sie zu löschen.</translation>
    </message>
</context>
<context>
    <name>RelativeDateFormatter</name>
    <message numerus="yes">
        <source>%1 year ago</source>
        <translation>
            <numerusform>vor %1 Jahr</numerusform>
            <numerusform>vor %1 Jahren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 years ago</source>
        <translation>
            <numerusform>vor %1 Jahr</numerusform>
            <numerusform>vor %1 Jahren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 year</source>
        <translation>
            <numerusform>in %1 Jahr</numerusform>
            <numerusform>in %1 Jahren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 years</source>
        <translation>
            <numerusform>in %1 Jahr</numerusform>
            <numerusform>in %1 Jahren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month ago</source>
        <translation>
            <numerusform>vor %1 Monat</numerusform>
            <numerusform>vor %1 Monaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 months ago</source>
        <translation>
            <numerusform>vor %1 Monat</numerusform>
            <numerusform>vor %1 Monaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 month</source>
        <translation>
            <numerusform>in %1 Monat</numerusform>
            <numerusform>in %1 Monaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 months</source>
        <translation>
            <numerusform>in %1 Monat</numerusform>
            <numerusform>in %1 Monaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 week ago</source>
        <translation>
            <numerusform>vor %1 Woche</numerusform>
            <numerusform>vor %1 Wochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 weeks ago</source>
        <translation>
            <numerusform>vor %1 Woche</numerusform>
            <numerusform>vor %1 Wochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 week</source>
        <translation>
            <numerusform>in %1 Woche</numerusform>
            <numerusform>in %1 Wochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 weeks</source>
        <translation>
            <numerusform>in %1 Woche</numerusform>
            <numerusform>in %1 Wochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 day ago</source>
        <translation>
            <numerusform>vor %1 Tag</numerusform>
            <numerusform>vor %1 Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 days ago</source>
        <translation>
            <numerusform>vor %1 Tag</numerusform>
            <numerusform>vor %1 Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 day</source>
        <translation>
            <numerusform>in %1 Tag</numerusform>
            <numerusform>in %1 Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 days</source>
        <translation>
            <numerusform>in %1 Tag</numerusform>
            <numerusform>in %1 Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hour ago</source>
        <translation>
            <numerusform>vor %1 Stunde</numerusform>
            <numerusform>vor %1 Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hours ago</source>
        <translation>
            <numerusform>vor %1 Stunde</numerusform>
            <numerusform>vor %1 Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 hour</source>
        <translation>
            <numerusform>in %1 Stunde</numerusform>
            <numerusform>in %1 Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 hours</source>
        <translation>
            <numerusform>in %1 Stunde</numerusform>
            <numerusform>in %1 Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 minute ago</source>
        <translation>
            <numerusform>vor %1 Minute</numerusform>
            <numerusform>vor %1 Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 minutes ago</source>
        <translation>
            <numerusform>vor %1 Minute</numerusform>
            <numerusform>vor %1 Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 minute</source>
        <translation>
            <numerusform>in %1 Minute</numerusform>
            <numerusform>in %1 Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 minutes</source>
        <translation>
            <numerusform>in %1 Minute</numerusform>
            <numerusform>in %1 Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 second ago</source>
        <translation>
            <numerusform>vor %1 Sekunde</numerusform>
            <numerusform>vor %1 Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds ago</source>
        <translation>
            <numerusform>vor %1 Sekunde</numerusform>
            <numerusform>vor %1 Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 second</source>
        <translation>
            <numerusform>in %1 Sekunde</numerusform>
            <numerusform>in %1 Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 seconds</source>
        <translation>
            <numerusform>in %1 Sekunde</numerusform>
            <numerusform>in %1 Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemnantActions</name>
    <message>
        <source>Move &apos;%1&apos; to Trash?</source>
        <translation>„%1“ in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>In den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The item will be moved to Trash. You can restore it from there.</source>
        <translation>Der Eintrag wird in den Papierkorb verschoben. Sie können ihn von dort wiederherstellen.</translation>
    </message>
    <message>
        <source>It %1.</source>
        <translation>Hinweis: %1.</translation>
    </message>
    <message>
        <source>; it </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Move %1 items to Trash?</source>
        <translation>%1 Einträge in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>The items will be moved to Trash. You can restore them from there.</source>
        <translation>Die Einträge werden in den Papierkorb verschoben. Sie können sie von dort wiederherstellen.</translation>
    </message>
    <message>
        <source>…and %1 more (see the details)</source>
        <translation>… und %1 weitere (siehe Details)</translation>
    </message>
    <message>
        <source>%1 of these items hold your own files or may belong to installed apps</source>
        <translation>%1 dieser Einträge enthalten Ihre eigenen Dateien oder gehören vielleicht zu installierten Programmen</translation>
    </message>
    <message>
        <source>Skip Them moves only the other items to the Trash; Move All moves these too.</source>
        <translation>„Diese auslassen“ verschiebt nur die übrigen Einträge in den Papierkorb; „Alle verschieben“ verschiebt auch diese.</translation>
    </message>
    <message>
        <source>Skip Them</source>
        <translation>Diese auslassen</translation>
    </message>
    <message>
        <source>Move All</source>
        <translation>Alle verschieben</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <source>Another action is still running. Try again when it has finished.</source>
        <translation>Eine andere Aktion läuft noch. Versuchen Sie es erneut, wenn sie beendet ist.</translation>
    </message>
</context>
<context>
    <name>RemnantItem</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>vor %1 T.</translation>
    </message>
    <message>
        <source>%1y %2d ago</source>
        <translation>vor %1 J. %2 T.</translation>
    </message>
</context>
<context>
    <name>RemnantItemsView</name>
    <message>
        <source>Leftovers</source>
        <translation>Überreste</translation>
    </message>
</context>
<context>
    <name>RemnantListModel</name>
    <message>
        <source>, may belong to an installed app</source>
        <translation>, gehört vielleicht zu einem installierten Programm</translation>
    </message>
    <message>
        <source>, holds your own files</source>
        <translation>, enthält Ihre eigenen Dateien</translation>
    </message>
    <message>
        <source>, used recently</source>
        <translation>, kürzlich verwendet</translation>
    </message>
</context>
<context>
    <name>RemnantListView</name>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Orphans only</source>
        <translation>Nur verwaiste</translation>
    </message>
    <message>
        <source>Not used recently</source>
        <translation>Lange unbenutzt</translation>
    </message>
    <message>
        <source>Hide installed apps</source>
        <translation>Installierte ausblenden</translation>
    </message>
    <message>
        <source>Stale threshold in days</source>
        <translation>Schwelle für „lange unbenutzt“ in Tagen</translation>
    </message>
    <message>
        <source>Days without use</source>
        <translation>Tage ohne Nutzung</translation>
    </message>
    <message>
        <source>Act on every checked item</source>
        <translation>Auf alle angehakten Einträge anwenden</translation>
    </message>
    <message>
        <source>%1d</source>
        <translation>%1 T.</translation>
    </message>
    <message>
        <source>Bulk actions (%1)</source>
        <translation>Sammelaktionen (%1)</translation>
    </message>
</context>
<context>
    <name>RemnantReport</name>
    <message>
        <source>STATUS</source>
        <translation>STATUS</translation>
    </message>
    <message>
        <source>RISK</source>
        <translation>RISIKO</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation>GRÖSSE</translation>
    </message>
    <message>
        <source>LAST USED</source>
        <translation>ZULETZT GENUTZT</translation>
    </message>
    <message>
        <source>LOCATION</source>
        <translation>ORT</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>PROGRAMM</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message numerus="yes">
        <source>%Ln leftovers, %L1 of them orphans, %2 in all</source>
        <translation>
            <numerusform>%Ln Überrest, davon %L1 verwaist, %2 insgesamt</numerusform>
            <numerusform>%Ln Überreste, davon %L1 verwaist, %2 insgesamt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>orphan? %n orphans whose names also match an installed app: check them before moving them to the Trash</source>
        <translation>
            <numerusform>verwaist? %n verwaister Eintrag, dessen Name auch zu einem installierten Programm passt: prüfen Sie ihn, bevor Sie ihn in den Papierkorb verschieben</numerusform>
            <numerusform>verwaist? %n verwaiste Einträge, deren Namen auch zu einem installierten Programm passen: prüfen Sie sie, bevor Sie sie in den Papierkorb verschieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>status! %n leftovers hold your own files: trash moves them only with --force</source>
        <translation>
            <numerusform>STATUS! %n Überrest enthält Ihre eigenen Dateien: trash verschiebt ihn nur mit --force</numerusform>
            <numerusform>STATUS! %n Überreste enthalten Ihre eigenen Dateien: trash verschiebt sie nur mit --force</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>status* %n leftovers changed recently inside: trash moves them only with --force</source>
        <translation>
            <numerusform>STATUS* in %n Überrest hat sich kürzlich etwas geändert: trash verschiebt ihn nur mit --force</numerusform>
            <numerusform>STATUS* in %n Überresten hat sich kürzlich etwas geändert: trash verschiebt sie nur mit --force</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>~APP    %n leftovers tied to their app by a weak match of names</source>
        <translation>
            <numerusform>~PROGRAMM %n Überrest ist seinem Programm nur über eine schwache Namensübereinstimmung zugeordnet</numerusform>
            <numerusform>~PROGRAMM %n Überreste sind ihrem Programm nur über eine schwache Namensübereinstimmung zugeordnet</numerusform>
        </translation>
    </message>
    <message>
        <source>LAST CHANGED</source>
        <translation>ZULETZT GEÄNDERT</translation>
    </message>
    <message>
        <source>orphan</source>
        <translation>verwaist</translation>
    </message>
    <message>
        <source>stale</source>
        <translation>alt</translation>
    </message>
    <message>
        <source>EVIDENCE</source>
        <translation>NACHWEIS</translation>
    </message>
</context>
<context>
    <name>RemnantRowDelegate</name>
    <message>
        <source>Tag with color</source>
        <translation>Mit Farbe markieren</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>In den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>ORPHAN</source>
        <translation>VERWAIST</translation>
    </message>
</context>
<context>
    <name>RestoreCommand</name>
    <message>
        <source>%1: %2; nothing was put back</source>
        <translation>%1: %2; nichts wurde zurückgelegt</translation>
    </message>
    <message>
        <source>%1 is not in the Trash; nothing was put back</source>
        <translation>%1 ist nicht im Papierkorb; nichts wurde zurückgelegt</translation>
    </message>
    <message>
        <source>%1 was not put back: %2</source>
        <translation>%1 wurde nicht zurückgelegt: %2</translation>
    </message>
    <message>
        <source>%1 is not a leftover that a scan lists; nothing was put back</source>
        <translation>%1 ist kein Überrest, den ein Scan auflistet; nichts wurde zurückgelegt</translation>
    </message>
</context>
<context>
    <name>ScanCommand</name>
    <message>
        <source>%1 is not a leftover that a scan lists; nothing was changed</source>
        <translation>%1 ist kein Überrest, den ein Scan auflistet; nichts wurde geändert</translation>
    </message>
    <message>
        <source>the scan was refused: Full Disk Access has not been granted</source>
        <translation>der Scan wurde abgelehnt: der Festplattenvollzugriff wurde nicht gewährt</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>Durchsuche: %1</translation>
    </message>
    <message>
        <source>Detecting installed apps...</source>
        <translation>Installierte Programme werden erkannt …</translation>
    </message>
    <message>
        <source>Measuring sizes...</source>
        <translation>Größen werden gemessen …</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>the demonstration Mac could not be made: %1</source>
        <translation>der Vorführ-Mac konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>the demonstration Linux desktop could not be made: %1</source>
        <translation>der Vorführ-Linux-Desktop konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>nothing was changed; check these items, then give --force to move them anyway</source>
        <translation>nichts wurde geändert; prüfen Sie diese Einträge und geben Sie dann --force an, um sie trotzdem zu verschieben</translation>
    </message>
    <message>
        <source>%1 was not moved to the Trash</source>
        <translation>%1 wurde nicht in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>unknown colour %1 (Red, Orange, Yellow, Green, Blue, Purple or Gray)</source>
        <translation>unbekannte Farbe %1 (Red, Orange, Yellow, Green, Blue, Purple oder Gray)</translation>
    </message>
    <message>
        <source>%1 was not tagged: %2</source>
        <translation>%1 wurde nicht markiert: %2</translation>
    </message>
    <message>
        <source>the scan was refused: the home folder cannot be the root folder (%1)</source>
        <translation>der Scan wurde abgelehnt: der persönliche Ordner kann nicht der Wurzelordner sein (%1)</translation>
    </message>
    <message>
        <source>the scan was refused: the Library folder %1 cannot be read</source>
        <translation>der Scan wurde abgelehnt: der Library-Ordner %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the scan was refused: the home folder %1 cannot be read</source>
        <translation>der Scan wurde abgelehnt: der persönliche Ordner %1 kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>ScanStatusText</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Detecting installed apps...</source>
        <translation>Installierte Programme werden erkannt …</translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation>Durchsuche: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln leftover(s) found</source>
        <translation>
            <numerusform>%Ln Überrest gefunden</numerusform>
            <numerusform>%Ln Überreste gefunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Scan cancelled</source>
        <translation>Scan angehalten</translation>
    </message>
</context>
<context>
    <name>ScanToolbar</name>
    <message>
        <source>Start Scan</source>
        <translation>Scan starten</translation>
    </message>
    <message>
        <source>Leftscan</source>
        <translation>Leftscan</translation>
    </message>
    <message>
        <source>Scan progress</source>
        <translation>Scan-Fortschritt</translation>
    </message>
    <message>
        <source>Action progress</source>
        <translation>Aktionsfortschritt</translation>
    </message>
    <message>
        <source>Working… %1 of %2</source>
        <translation>In Arbeit … %1 von %2</translation>
    </message>
    <message>
        <source>Working…</source>
        <translation>In Arbeit …</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Suche läuft …</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stop the scan (Esc)</source>
        <translation>Den Scan anhalten (Esc)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln Eintrag</numerusform>
            <numerusform>%Ln Einträge</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScanWarningText</name>
    <message>
        <source>%1 names %2, which was passed over: the home is root&apos;s, and no folder outside it is used</source>
        <translation>%1 nennt %2, der übergangen wurde: der persönliche Ordner gehört root, und kein Ordner außerhalb davon wird verwendet</translation>
    </message>
    <message>
        <source>%1 names %2, which was passed over: it does not belong to the home&apos;s owner</source>
        <translation>%1 nennt %2, der übergangen wurde: er gehört nicht dem Eigentümer des persönlichen Ordners</translation>
    </message>
    <message>
        <source>%1 names %2, which was passed over: others may write in it</source>
        <translation>%1 nennt %2, der übergangen wurde: andere dürfen darin schreiben</translation>
    </message>
    <message>
        <source>%1 was not scanned: %2</source>
        <translation>%1 wurde nicht durchsucht: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>er ist eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>it cannot be resolved</source>
        <translation>sein Ziel lässt sich nicht ermitteln</translation>
    </message>
    <message>
        <source>it resolves to %1, which is not inside %2</source>
        <translation>er führt zu %1, das nicht in %2 liegt</translation>
    </message>
    <message>
        <source>it resolves to %1, which holds %2</source>
        <translation>er führt zu %1, das %2 enthält</translation>
    </message>
    <message>
        <source>its Library folder %1 resolves to %2, which holds the home folder</source>
        <translation>sein Library-Ordner %1 führt zu %2, das den persönlichen Ordner enthält</translation>
    </message>
    <message>
        <source>its Library folder %1 resolves to %2, which holds the root folder</source>
        <translation>sein Library-Ordner %1 führt zu %2, das den Wurzelordner enthält</translation>
    </message>
    <message>
        <source>its Library folder %1 resolves to %2, which is not inside %3</source>
        <translation>sein Library-Ordner %1 führt zu %2, das nicht in %3 liegt</translation>
    </message>
    <message>
        <source>it cannot be listed</source>
        <translation>sein Inhalt lässt sich nicht auflisten</translation>
    </message>
    <message>
        <source>it resolves to %1, which was scanned already</source>
        <translation>er führt zu %1, das schon durchsucht wurde</translation>
    </message>
</context>
<context>
    <name>ScanWarningsBanner</name>
    <message>
        <source>Scan warnings</source>
        <translation>Warnungen beim Scan</translation>
    </message>
</context>
<context>
    <name>ScanningPlaceholder</name>
    <message>
        <source>Searching for app leftovers... this can take a few minutes...</source>
        <translation>Suche nach Programmüberresten … das kann einige Minuten dauern …</translation>
    </message>
    <message>
        <source>Stop Scan</source>
        <translation>Scan anhalten</translation>
    </message>
    <message>
        <source>Keeps what was found so far (Esc)</source>
        <translation>Behält, was bisher gefunden wurde (Esc)</translation>
    </message>
</context>
<context>
    <name>SearchBar</name>
    <message>
        <source>Search...</source>
        <translation>Suchen …</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Suche löschen</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Leftscan Settings</source>
        <translation>Leftscan-Einstellungen</translation>
    </message>
    <message>
        <source>Scan Options</source>
        <translation>Scan-Optionen</translation>
    </message>
    <message>
        <source>Files not accessed for this many days are considered stale</source>
        <translation>Dateien, auf die so viele Tage nicht zugegriffen wurde, gelten als lange unbenutzt</translation>
    </message>
    <message>
        <source>Stale threshold (days)</source>
        <translation>Schwelle für „lange unbenutzt“ (Tage)</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>Clear Identification Cache</source>
        <translation>Erkennungs-Cache leeren</translation>
    </message>
    <message>
        <source>Clears cached identification results</source>
        <translation>Leert die zwischengespeicherten Erkennungsergebnisse</translation>
    </message>
    <message>
        <source>Files that haven&apos;t been accessed for %1 days will be marked as stale.</source>
        <translation>Dateien, auf die seit %1 Tagen nicht zugegriffen wurde, werden als lange unbenutzt markiert.</translation>
    </message>
    <message>
        <source>The app uses local heuristics and pattern matching to identify apps. Results are cached for 7 days to improve performance.</source>
        <translation>Das Programm erkennt Programme mit lokalen Heuristiken und Mustervergleichen. Die Ergebnisse werden 7 Tage lang zwischengespeichert, damit es schneller geht.</translation>
    </message>
</context>
<context>
    <name>SidebarView</name>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Orphans</source>
        <translation>Verwaist</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Alle Kategorien</translation>
    </message>
    <message>
        <source>By Risk</source>
        <translation>Nach Risiko</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>In progress</source>
        <translation>In Arbeit</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>option --profile needs mac or linux</source>
        <translation>Option --profile braucht mac oder linux</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>usage: leftscan [--root DIR] [--home DIR] [--profile mac|linux] [--demo | --demo-linux]
       leftscan --help | --version

  --root DIR    the folder that stands for &quot;/&quot; of the system to scan (default /)
  --home DIR    the user&apos;s home folder on this machine (default: your home)
  --demo        open the window on a generated demonstration Mac, ready to scan
  --demo-linux  open the window on a generated demonstration Linux desktop, ready to scan
  --profile P   mac: a Mac&apos;s Library folders; linux: a Linux desktop&apos;s home, its .config,
                .local/share, .cache, .local/state, dot-files and dot-folders (default:
                mac when the home has a Library folder, else linux)
  --help        this text
  --version     the program&apos;s name and version

See leftscan(1), and leftscan-cli(1) for the command line.
</source>
        <translation>Aufruf: leftscan [--root DIR] [--home DIR] [--profile mac|linux] [--demo | --demo-linux]
        leftscan --help | --version

  --root DIR    der Ordner, der für „/“ des zu durchsuchenden Systems steht (Vorgabe /)
  --home DIR    der persönliche Ordner des Benutzers auf diesem Rechner (Vorgabe: Ihr persönlicher Ordner)
  --demo        das Fenster mit einem erzeugten Vorführ-Mac öffnen, bereit zum Scannen
  --demo-linux  das Fenster mit einem erzeugten Vorführ-Linux-Desktop öffnen, bereit zum Scannen
  --profile P   mac: die Library-Ordner eines Macs; linux: den persönlichen Ordner eines Linux-Desktops,
                seine Ordner .config, .local/share, .cache, .local/state und seine versteckten Dateien
                und Ordner (Vorgabe: mac, wenn der persönliche Ordner einen Library-Ordner hat, sonst linux)
  --help        dieser Text
  --version     Name und Version des Programms

Siehe leftscan(1) und für die Befehlszeile leftscan-cli(1).
</translation>
    </message>
    <message>
        <source>the home folder cannot be the root folder (%1)</source>
        <translation>der persönliche Ordner kann nicht der Wurzelordner sein (%1)</translation>
    </message>
</context>
<context>
    <name>TagActionView</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>UserFilesText</name>
    <message>
        <source>1 credential</source>
        <translation>1 Zugangsdaten-Datei</translation>
    </message>
    <message>
        <source>%1 credentials</source>
        <translation>%1 Zugangsdaten-Dateien</translation>
    </message>
    <message>
        <source>1 mail item</source>
        <translation>1 E-Mail-Element</translation>
    </message>
    <message>
        <source>%1 mail items</source>
        <translation>%1 E-Mail-Elemente</translation>
    </message>
    <message>
        <source>1 document</source>
        <translation>1 Dokument</translation>
    </message>
    <message>
        <source>%1 documents</source>
        <translation>%1 Dokumente</translation>
    </message>
    <message>
        <source>1 photo or media file</source>
        <translation>1 Foto oder Mediendatei</translation>
    </message>
    <message>
        <source>%1 photos or media files</source>
        <translation>%1 Fotos oder Mediendateien</translation>
    </message>
    <message>
        <source>1 repository</source>
        <translation>1 Repository</translation>
    </message>
    <message>
        <source>%1 repositories</source>
        <translation>%1 Repositorys</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>gerade eben</translation>
    </message>
    <message>
        <source>holds your own files: %1</source>
        <translation>enthält Ihre eigenen Dateien: %1</translation>
    </message>
    <message>
        <source>was used recently: something inside changed %1</source>
        <translation>wurde kürzlich verwendet: darin hat sich %1 etwas geändert</translation>
    </message>
    <message>
        <source>could not be looked inside everywhere: some folders in it cannot be read</source>
        <translation>konnte nicht überall eingesehen werden: einige Ordner darin sind nicht lesbar</translation>
    </message>
    <message>
        <source>has not been looked inside yet</source>
        <translation>wurde noch nicht von innen angesehen</translation>
    </message>
    <message>
        <source>may belong to %1, which is installed</source>
        <translation>gehört vielleicht zu %1, das installiert ist</translation>
    </message>
</context>
<context>
    <name>WelcomeView</name>
    <message>
        <source>Welcome to Leftscan</source>
        <translation>Willkommen bei Leftscan</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Scan starten</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>cannot make the demonstration Mac: %1</source>
        <translation>der Vorführ-Mac kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>cannot make the demonstration Linux desktop: %1</source>
        <translation>der Vorführ-Linux-Desktop kann nicht angelegt werden: %1</translation>
    </message>
</context>
</TS>
