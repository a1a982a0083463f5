<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ActionReportText</name>
    <message numerus="yes">
        <source>Moved %Ln item(s) to the Trash</source>
        <translation>
            <numerusform>Moved %Ln item to the Trash</numerusform>
            <numerusform>Moved %Ln items to the Trash</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %Ln could not be moved</source>
        <translation>
            <numerusform>; %Ln could not be moved</numerusform>
            <numerusform>; %Ln could not be moved</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tagged %Ln item(s) %1</source>
        <translation>
            <numerusform>Tagged %Ln item %1</numerusform>
            <numerusform>Tagged %Ln items %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tagged %Ln item(s)</source>
        <translation>
            <numerusform>Tagged %Ln item</numerusform>
            <numerusform>Tagged %Ln items</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %Ln could not be tagged</source>
        <translation>
            <numerusform>; %Ln could not be tagged</numerusform>
            <numerusform>; %Ln could not be tagged</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Put back %Ln item(s)</source>
        <translation>
            <numerusform>Put back %Ln item</numerusform>
            <numerusform>Put back %Ln items</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %Ln could not be put back</source>
        <translation>
            <numerusform>; %Ln could not be put back</numerusform>
            <numerusform>; %Ln could not be put back</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %Ln more</source>
        <translation>
            <numerusform> and %Ln more</numerusform>
            <numerusform> and %Ln more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; left %Ln that needed a look in place: %1</source>
        <translation>
            <numerusform>; left %Ln that needed a look in place: %1</numerusform>
            <numerusform>; left %Ln that needed a look in place: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AlertText</name>
    <message numerus="yes">
        <source>%n item(s) require administrator privileges to move to Trash. Do you want to continue?</source>
        <translation>
            <numerusform>%n item requires administrator privileges to move to Trash. Do you want to continue?</numerusform>
            <numerusform>%n items require administrator privileges to move to Trash. Do you want to continue?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ByteCountFormatter</name>
    <message numerus="yes">
        <source>%1 byte</source>
        <translation>
            <numerusform>%1 byte</numerusform>
            <numerusform>%1 byte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 bytes</source>
        <translation>
            <numerusform>%1 bytes</numerusform>
            <numerusform>%1 bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliQuestions</name>
    <message numerus="yes">
        <source>%n item(s) require administrator privileges to move to Trash.</source>
        <translation>
            <numerusform>%n item requires administrator privileges to move to Trash.</numerusform>
            <numerusform>%n items require administrator privileges to move to Trash.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DetailView</name>
    <message numerus="yes">
        <source>%1 files</source>
        <translation>
            <numerusform>%1 files</numerusform>
            <numerusform>%1 files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Its name also matches %1, which is installed. Check before moving it to the Trash.</source>
        <translation>
            <numerusform>Its name also matches %1, which is installed. Check before moving it to the Trash.</numerusform>
            <numerusform>Its name also matches %1, which are installed. Check before moving it to the Trash.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The item itself has not changed for %n days.</source>
        <translation>
            <numerusform>The item itself has not changed for %n day.</numerusform>
            <numerusform>The item itself has not changed for %n days.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InventoryCommand</name>
    <message numerus="yes">
        <source>%n keys</source>
        <translation>
            <numerusform>%n key</numerusform>
            <numerusform>%n keys</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RelativeDateFormatter</name>
    <message numerus="yes">
        <source>%1 year ago</source>
        <translation>
            <numerusform>%1 year ago</numerusform>
            <numerusform>%1 year ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 years ago</source>
        <translation>
            <numerusform>%1 years ago</numerusform>
            <numerusform>%1 years ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 year</source>
        <translation>
            <numerusform>in %1 year</numerusform>
            <numerusform>in %1 year</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 years</source>
        <translation>
            <numerusform>in %1 years</numerusform>
            <numerusform>in %1 years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month ago</source>
        <translation>
            <numerusform>%1 month ago</numerusform>
            <numerusform>%1 month ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 months ago</source>
        <translation>
            <numerusform>%1 months ago</numerusform>
            <numerusform>%1 months ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 month</source>
        <translation>
            <numerusform>in %1 month</numerusform>
            <numerusform>in %1 month</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 months</source>
        <translation>
            <numerusform>in %1 months</numerusform>
            <numerusform>in %1 months</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 week ago</source>
        <translation>
            <numerusform>%1 week ago</numerusform>
            <numerusform>%1 week ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 weeks ago</source>
        <translation>
            <numerusform>%1 weeks ago</numerusform>
            <numerusform>%1 weeks ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 week</source>
        <translation>
            <numerusform>in %1 week</numerusform>
            <numerusform>in %1 week</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 weeks</source>
        <translation>
            <numerusform>in %1 weeks</numerusform>
            <numerusform>in %1 weeks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 day ago</source>
        <translation>
            <numerusform>%1 day ago</numerusform>
            <numerusform>%1 day ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 days ago</source>
        <translation>
            <numerusform>%1 days ago</numerusform>
            <numerusform>%1 days ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 day</source>
        <translation>
            <numerusform>in %1 day</numerusform>
            <numerusform>in %1 day</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 days</source>
        <translation>
            <numerusform>in %1 days</numerusform>
            <numerusform>in %1 days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hour ago</source>
        <translation>
            <numerusform>%1 hour ago</numerusform>
            <numerusform>%1 hour ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hours ago</source>
        <translation>
            <numerusform>%1 hours ago</numerusform>
            <numerusform>%1 hours ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 hour</source>
        <translation>
            <numerusform>in %1 hour</numerusform>
            <numerusform>in %1 hour</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 hours</source>
        <translation>
            <numerusform>in %1 hours</numerusform>
            <numerusform>in %1 hours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 minute ago</source>
        <translation>
            <numerusform>%1 minute ago</numerusform>
            <numerusform>%1 minute ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 minutes ago</source>
        <translation>
            <numerusform>%1 minutes ago</numerusform>
            <numerusform>%1 minutes ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 minute</source>
        <translation>
            <numerusform>in %1 minute</numerusform>
            <numerusform>in %1 minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 minutes</source>
        <translation>
            <numerusform>in %1 minutes</numerusform>
            <numerusform>in %1 minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 second ago</source>
        <translation>
            <numerusform>%1 second ago</numerusform>
            <numerusform>%1 second ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds ago</source>
        <translation>
            <numerusform>%1 seconds ago</numerusform>
            <numerusform>%1 seconds ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 second</source>
        <translation>
            <numerusform>in %1 second</numerusform>
            <numerusform>in %1 second</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 seconds</source>
        <translation>
            <numerusform>in %1 seconds</numerusform>
            <numerusform>in %1 seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemnantReport</name>
    <message numerus="yes">
        <source>%Ln leftovers, %L1 of them orphans, %2 in all</source>
        <translation>
            <numerusform>%Ln leftover, %L1 of them orphans, %2 in all</numerusform>
            <numerusform>%Ln leftovers, %L1 of them orphans, %2 in all</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>orphan? %n orphans whose names also match an installed app: check them before moving them to the Trash</source>
        <translation>
            <numerusform>orphan? %n orphan whose name also matches an installed app: check it before moving it to the Trash</numerusform>
            <numerusform>orphan? %n orphans whose names also match an installed app: check them before moving them to the Trash</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>status! %n leftovers hold your own files: trash moves them only with --force</source>
        <translation>
            <numerusform>status! %n leftover holds your own files: trash moves it only with --force</numerusform>
            <numerusform>status! %n leftovers hold your own files: trash moves them only with --force</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>status* %n leftovers changed recently inside: trash moves them only with --force</source>
        <translation>
            <numerusform>status* %n leftover changed recently inside: trash moves it only with --force</numerusform>
            <numerusform>status* %n leftovers changed recently inside: trash moves them only with --force</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>~APP    %n leftovers tied to their app by a weak match of names</source>
        <translation>
            <numerusform>~APP    %n leftover tied to its app by a weak match of names</numerusform>
            <numerusform>~APP    %n leftovers tied to their app by a weak match of names</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScanStatusText</name>
    <message numerus="yes">
        <source>%Ln leftover(s) found</source>
        <translation>
            <numerusform>%Ln leftover found</numerusform>
            <numerusform>%Ln leftovers found</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScanToolbar</name>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln item</numerusform>
            <numerusform>%Ln items</numerusform>
        </translation>
    </message>
</context>
</TS>
