#include "shell/MainMenus.h"

namespace ntx {
namespace {

constexpr FrameMenuEntry kMenus[] = {
    {-1, 0, true, "&File", "?FILEMENU", "", ""},
    {-2, -1, false, "&Print Setup ...", "?PRINTSETUP", "Setup printer", ""},
    {-3, -1, false, "Create a Data Backup", "?FILECREATEADATABACKUP", "", ""},
    {-4, -1, false, "E&xit", "?EXIT", "Exit this application", ""},
    {-5, 0, true, "&Edit", "?EDITMENU", "", ""},
    {-6, -5, false, "Cu&t", "?CUT", "Remove item to Windows Clipboard", "Ctrl+X"},
    {-7, -5, false, "&Copy", "?COPY", "Copy item to Windows Clipboard", "Ctrl+C"},
    {-8, -5, false, "&Paste", "?PASTE", "Paste contents of Windows Clipboard", "Ctrl+V"},
    {-9, 0, true, "&Browse", "?BROWSEMENU", "", ""},
    {-10, -9, false, "&Birthdays", "?BROWSEBIRTHDAYS", "", ""},
    {-11, -9, false, "&Reminders", "?BROWSEREMINDERS", "", ""},
    {-12, 0, true, "&Reports", "?WINDOWREPORTS", "", ""},
    {-13, -12, true, "Birthdays", "?REPORTSBIRTHDAYS", "", ""},
    {-14, -13, false, "Birthdays by Month (Notes excluded)", "?RPTBYMONTH", "", ""},
    {-15, -13, false, "Birthdays by Month (Notes included)", "?REPORTSMONTHINCLUDENOTES", "", ""},
    {-16, -13, false, "All Birthdays by Name (Notes excluded)", "?RPTBYNAME", "", ""},
    {-17, -13, false, "All Birthdays by Name (Notes included)", "?RPTSNOTESINCLU", "", ""},
    {-18, -13, false, "Birthdays for a Selected Month Only (Notes excluded)", "?RPTSBIRSELECTMONTH",
     "", ""},
    {-19, -13, false, "Birthdays for a Selected Month Only (Notes included)",
     "?REPORTSSELLMONTHDETAIL", "", ""},
    {-20, -13, false, "Birthday Book (Notes excluded)", "?RPTSBIRTHDAYSBOOEXCLU", "", ""},
    {-21, -13, false, "Birthday Book (Notes included)", "?RPTSBIRTHDAYSBOOKINCLU", "", ""},
    {-22, -13, false, "Current age - Ages (in Years, Months) as at Today",
     "?REPORTSBIRTHDAYSAGESTODAY", "", ""},
    {-23, -13, false, "Data Integrity Birthday Report", "?REPORTSBIRTHDAYSEXCLU", "", ""},
    {-24, -13, false, "Address Labels (Avery letter)", "?REPORTSLABELSAVERYLETTER", "", ""},
    {-25, -12, true, "Reminders", "?REPORTSREMINDERS", "", ""},
    {-26, -25, false, "All Reminders (Notes excluded)", "?REPORTSBRIEFRPT", "", ""},
    {-27, -25, false, "All Reminders (Notes included)", "?REPORTSREMINDERSDETAILEDRPT", "", ""},
    {-28, -25, false, "Reminders for a Selected Month Only (Notes excluded)", "?REPORTSBRIEFSELMTH",
     "", ""},
    {-29, -25, false, "Reminders for a Selected Month Only (Notes included)",
     "?REPORTSDETAILFORSELMTH", "", ""},
    {-30, -12, true, "Phone and E-Mail Reports", "?REPORTSOTHEERREPORTS", "", ""},
    {-31, -30, false, "Phone Number List", "?REPORTSBIRTHDAYSPHONENUMBERLISTING", "", ""},
    {-32, -30, false, "E-Mail Address List", "?REPORTSOTHERREPORTSEMAILLIST", "", ""},
    {-33, 0, true, "&Maintenance", "?MAINTENANCE", "", ""},
    {-34, -33, false, "Auto Update Ages", "?MAINTENANCEAUTOUPDATEALLAGES", "", ""},
    {-35, 0, true, "&Window", "?WINDOWMENU", "Create and Arrange windows", ""},
    {-36, -35, false, "T&ile", "?TILE", "Make all open windows visible", ""},
    {-37, -35, false, "&Cascade", "?CASCADE", "Stack all open windows", ""},
    {-38, -35, false, "&Arrange Icons", "?ARRANGE", "Align all window icons", ""},
    {-39, 0, true, "&Help", "?HELPMENU", "Windows Help", ""},
    {-40, -39, false, "F1 Key", "?HELPINDEX", "View the contents of the help file", ""},
    {-41, -39, false, "Quick Help", "?HELPQUICKHELP", "", ""},
    {-43, -39, false, "&About Natalix    ", "?HELPABOUTTHISPROGRAM", "", ""},
    {-44, -39, false, "Check for updates online", "?HELPCHECKFORUPDATESONLINE", "", ""},
};

constexpr FrameToolEntry kTools[] = {
    {-46, true, "Birthdays", "?BROWSEBUT", "Browse Birthdays", "UserOrg.ico"},
    {-47, true, "Reminders", "?REMBUT", "Browse Reminder's", "Reminder3.ico"},
    {-48, false, "", "?GLO:ANYREMINDERS", "", ""},
    {-49, true, "Calendar", "?CALENDAR", "View Calendar", "Calendar2.ico"},
    {-50, true, "Backup", "?BUPBUT", "Create a data backup copy", "USB2.ico"},
    {-52, false, "", "?GLO:ANYBIRTHDAYS", "", ""},
};

}  // namespace

std::span<const FrameMenuEntry> frameMenus() {
    return kMenus;
}
std::span<const FrameToolEntry> frameTools() {
    return kTools;
}

}  // namespace ntx
