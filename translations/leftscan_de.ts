<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ActionBanner</name>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last action</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BulkActionSheet</name>
    <message>
        <source>Mark with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bulk actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bulk action for %1 items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What should happen to the selected items?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move all to Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ByteCountFormatter</name>
    <message numerus="yes">
        <source>%1 byte</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 bytes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Zero KB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CatalogueCommand</name>
    <message>
        <source>ROW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KEYWORD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BUNDLE ID</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliQuestions</name>
    <message>
        <source>The item &apos;%1&apos; requires administrator privileges to move to Trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 items require administrator privileges to move to Trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>→ Cancel (no terminal to ask on)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue with administrator rights? [y/N]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be moved to the Trash: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>usage: leftscan-cli scan [--root DIR] [--home DIR] [--threshold DAYS] [--format table|json|csv] [--demo]
                         [--no-sizes] [--timings] [--profile mac|linux] [--demo-linux]
       leftscan-cli trash [--root DIR] [--home DIR] [--force] PATH...
       leftscan-cli tag [--root DIR] [--home DIR] COLOR PATH...
       leftscan-cli restore [--root DIR] [--home DIR] [--profile mac|linux] PATH...
       leftscan-cli inventory [--root DIR] [--home DIR] [--format json|table]
       leftscan-cli catalogue [--format json|table]
       leftscan-cli --help | --version
       (every command also takes --verbose)

  scan         lists what applications left behind in the Library folders
  trash        moves leftovers that a scan lists to the Trash
  tag          marks leftovers that a scan lists with a tag colour (Red, Orange, Yellow, Green, Blue,
               Purple, Gray)
  restore      puts leftovers back from the Trash at the places they were moved from (the latest moved
               from each), where nothing has taken their place
  inventory    the installed software found, one line per inventory key
  catalogue    the known applications recognised by name, in lookup order

  --root DIR        the folder that stands for &quot;/&quot; of the Mac to scan (default /)
  --home DIR        the user&apos;s home folder on this machine (default: your home)
  --threshold DAYS  days without use after which a leftover counts as old (default 365)
  --format F        output format (default table)
  --demo            scan a generated demonstration Mac instead of --root and --home
  --profile P       mac: a Mac&apos;s Library folders; linux: a Linux desktop&apos;s home against the software
                    installed there (default: mac when the home has a Library folder, else linux)
  --demo-linux      scan a generated demonstration Linux desktop instead of --root and --home
  --no-sizes        do not measure what each leftover takes on disk (sizes are then the entries&apos; own)
  --timings         scan: the time spent in each stage of the scan, on standard error
  --verbose         also write the diagnostic log to standard error
  --force           moves items that trash would otherwise refuse: those that hold your own files,
                    changed inside recently or could not be looked into everywhere, and orphans whose
                    names also match an installed app
  --help            this text
  --version         the program&apos;s name and version

See leftscan-cli(1) for the output&apos;s fields and the exit statuses.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown profile %1 (mac|linux)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--threshold needs a whole number of days, 0 or more, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given (try --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command %1 (try --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a colour and paths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown format %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--timings works with scan only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--demo works with scan only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--force works with trash only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--no-sizes works with scan only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--demo-linux works with scan only, and not with --demo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DetailView</name>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orphan – no app found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tagged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bundle ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Associated App</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, for example:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make sure you have kept what you need before moving it to the Trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holds your own files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used recently</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something inside changed %1.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The item itself looks unused, but a program may still be writing into it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why this app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>weak match: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not used for a long time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This item hasn&apos;t been opened or used for %1 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing in this item has changed for %1 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May belong to an installed app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag with color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DisplayText</name>
    <message>
        <source>Application Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Scripts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LaunchAgents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LaunchDaemons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Containers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved Application State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cron Jobs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flatpak Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snap Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autostart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dot Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risk (high → low)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size (large → small)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name (A → Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last used (oldest → newest)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmptyDetailView</name>
    <message>
        <source>Select an item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click an item on the left
to see details.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmptyResultsView</name>
    <message>
        <source>No leftovers found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No results match your filters.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InventoryCommand</name>
    <message>
        <source>KEY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BUNDLE ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VERSION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PATH</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LeftscanApp</name>
    <message>
        <source>About Leftscan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Leftscan&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Finds what uninstalled applications, and applications not used for a long time, leave behind in the Library folders of a Mac or the home of a Linux desktop.&lt;/p&gt;&lt;p&gt;Copyright © 2026 The Leftscan developers&lt;br&gt;Leftscan is free software under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with ABSOLUTELY NO WARRANTY. See &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;the licence&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Uses Qt %2 and libplist, under the GNU Lesser General Public License; symbols from Bootstrap Icons, under the MIT licence.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Leftscan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Leftscan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Leftscan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo Move to Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All Shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Selection</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MetaCell</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RelativeDateFormatter</name>
    <message numerus="yes">
        <source>%1 year ago</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 years ago</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 year</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 years</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month ago</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 months ago</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 month</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 months</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 week ago</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 weeks ago</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 week</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 weeks</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 day ago</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 days ago</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 day</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 days</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hour ago</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hours ago</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 hour</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 hours</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 minute ago</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 minutes ago</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 minute</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 minutes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 second ago</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds ago</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 second</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %1 seconds</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemnantActions</name>
    <message>
        <source>Move &apos;%1&apos; to Trash?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not looked inside yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>may belong to %1, which is installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The item will be moved to Trash. You can restore it from there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; it </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %1 items to Trash?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The items will be moved to Trash. You can restore them from there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>…and %1 more (see the details)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of these items hold your own files or may belong to installed apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip Them moves only the other items to the Trash; Move All moves these too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip Them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another action is still running. Try again when it has finished.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemnantItem</name>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1y %2d ago</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemnantItemsView</name>
    <message>
        <source>Leftovers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemnantListModel</name>
    <message>
        <source>, may belong to an installed app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, holds your own files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, used recently</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemnantListView</name>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orphans only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not used recently</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide installed apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stale threshold in days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days without use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Act on every checked item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bulk actions (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemnantReport</name>
    <message>
        <source>STATUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RISK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LAST USED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOCATION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 leftovers, %L2 of them orphans, %3 in all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orphan? %1 orphans whose names also match an installed app: check them before moving them to the Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>status! %1 leftovers hold your own files: trash moves them only with --force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>status* %1 leftovers changed recently inside: trash moves them only with --force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>~APP    %1 leftovers tied to their app by a weak match of names</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemnantRowDelegate</name>
    <message>
        <source>Show in Finder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag with color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ORPHAN</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreCommand</name>
    <message>
        <source>%1: %2; nothing was put back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not in the Trash; nothing was put back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not put back: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScanCommand</name>
    <message>
        <source>%1 is not a leftover that a scan lists; nothing was changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the scan was refused: %1 %2 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the scan was refused: Full Disk Access has not been granted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detecting installed apps...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measuring sizes...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the demonstration Mac could not be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the demonstration Linux desktop could not be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 may belong to an installed app: its name also matches %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing was changed; check these items, then give --force to move them anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not moved to the Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown colour %1 (Red, Orange, Yellow, Green, Blue, Purple or Gray)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not tagged: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScanToolbar</name>
    <message>
        <source>Start Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan %1 (Ctrl+R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leftscan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working… %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 items · %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScanWarningsBanner</name>
    <message>
        <source>Scan warnings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScanningPlaceholder</name>
    <message>
        <source>Searching for app leftovers... this can take a few minutes...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchBar</name>
    <message>
        <source>Search...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Leftscan Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files not accessed for this many days are considered stale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stale threshold (days)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Identification Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clears cached identification results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files that haven&apos;t been accessed for %1 days will be marked as stale.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SidebarView</name>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orphans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Risk</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>In progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>usage: leftscan [--root DIR] [--home DIR] [--demo] [--demo-linux] [--profile mac|linux]
       leftscan --help | --version

  --root DIR  the folder that stands for &quot;/&quot; of the Mac to scan (default /)
  --home DIR  the user&apos;s home folder on this machine (default: your home)
  --demo      scan a generated demonstration Mac
  --demo-linux  scan a generated demonstration Linux desktop
  --profile P   mac: a Mac&apos;s Library folders; linux: a Linux desktop&apos;s home (default: mac
                when the home has a Library folder, else linux)
  --help        this text
  --version     the program&apos;s name and version

See leftscan(1), and leftscan-cli(1) for the command line.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option --profile needs mac or linux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TagActionView</name>
    <message>
        <source>Choose Finder Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tag will be visible in Finder and helps you categorize items without deleting them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WelcomeView</name>
    <message>
        <source>Welcome to Leftscan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan your Mac for leftovers
from uninstalled apps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>cannot make the demonstration Mac: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make the demonstration Linux desktop: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
