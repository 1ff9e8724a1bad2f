"""Screen pixels of the X display, read with XGetImage through ctypes (no screenshot file per check)."""
import ctypes
import os

from PIL import Image

_xlib = ctypes.CDLL("libX11.so.6")


class _XImage(ctypes.Structure):
    _fields_ = [
        ("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int), ("format", ctypes.c_int),
        ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
        ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
        ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
        ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong), ("obdata", ctypes.c_void_p),
        ("create_image", ctypes.c_void_p),
        ("destroy_image", ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p)),
    ]


_xlib.XOpenDisplay.restype = ctypes.c_void_p
_xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
_xlib.XDefaultRootWindow.restype = ctypes.c_ulong
_xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_xlib.XGetImage.restype = ctypes.POINTER(_XImage)
_xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                            ctypes.c_ulong, ctypes.c_int]
_ALL_PLANES = 0xFFFFFFFF
_Z_PIXMAP = 2

_display = None


def _open():
    global _display
    if _display is None:
        _display = _xlib.XOpenDisplay(os.environ["DISPLAY"].encode())
        if not _display:
            raise RuntimeError("cannot open display " + os.environ["DISPLAY"])
    return _display


def grab(left, top, width, height):
    """The screen rectangle as an RGB image (the 24-bit display gives exact colours)."""
    display = _open()
    image = _xlib.XGetImage(display, _xlib.XDefaultRootWindow(display), left, top, width, height, _ALL_PLANES,
                            _Z_PIXMAP)
    if not image:
        raise RuntimeError(f"XGetImage failed for {width}x{height}+{left}+{top}")
    try:
        info = image.contents
        if info.bits_per_pixel != 32:
            raise RuntimeError(f"expected a 32-bit visual, got {info.bits_per_pixel} bits per pixel")
        raw = ctypes.string_at(info.data, info.bytes_per_line * height)
        return Image.frombuffer("RGB", (width, height), raw, "raw", "BGRX", info.bytes_per_line, 1).copy()
    finally:
        image.contents.destroy_image(ctypes.cast(image, ctypes.c_void_p))


def save_screen(path):
    """The whole root window as a PNG, for failure reports and the demo."""
    display = _open()
    width = _xlib.XDisplayWidth(display, 0)
    height = _xlib.XDisplayHeight(display, 0)
    grab(0, 0, width, height).save(path)
