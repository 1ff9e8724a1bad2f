"""Resource identifiers: a number that carries its name. The layout gives every bitmap and control its number
where it places it, so res/resource.h is written from the layout; the identifiers that no skinned window
places (dialog layouts, the icon, the about box) are listed here."""


class Id(int):
    """An identifier: behaves as its number, and knows the name resource.h gives it."""

    def __new__(cls, name: str, number: int):
        made = super().__new__(cls, number)
        made.name = name
        return made

    __str__ = int.__repr__  # f-strings and str() give the number, as for any int


# Identifiers of the platform: used by the layouts, never written to resource.h.
IDOK = Id("IDOK", 1)
IDCANCEL = Id("IDCANCEL", 2)
PLATFORM_NAMES = {"IDOK", "IDCANCEL"}

DIALOG_LAYOUTS = (
    Id("IDD_ABOUTBOX", 100), Id("IDD_MAIN", 102), Id("IDD_EXIT_MESSAGE", 262), Id("IDD_ADVANCED", 298),
    Id("IDD_NO_USB", 353), Id("IDD_NOTICE_MESSAGE", 358), Id("IDD_WORLD_TIME", 400),
)
PROGRAM = (Id("IDS_ABOUTBOX", 101), Id("IDR_MAINFRAME", 128), Id("IDM_ABOUTBOX", 0x10))
ABOUT_CONTROLS = (Id("IDC_ABOUT_ICON", 1000), Id("IDC_ABOUT_TEXT", 1001))
