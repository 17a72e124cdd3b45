#!/usr/bin/env python3
"""Writes the card art of Tarolás as SVG files: the 20 faces, the two backs and the icon.

Standard library only; run it from anywhere and commit what it writes:
    python3 scripts/cardart.py
Every picture is built from the same palette and the same suit signs, so the set stays
consistent. Only SVG features that Qt's renderer understands are used (no patterns, clip
paths or filters): textures are laid out point by point here instead.
"""

import math
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
W, H = 117, 194  # upright card, as the table stretches it

INK = "#232020"  # outlines everywhere
PAPER = "#fffdf7"
SKIN = "#f3cda8"
SKIN_DARK = "#c98f68"
GOLD = "#e2b33a"
GOLD_LIGHT = "#f7de8a"
GOLD_DARK = "#9c7415"
WHITE = "#ffffff"

# Costume and background colours by suit: main, shade, light, second colour, backdrop.
SUITS = {
    "piros": dict(name="Piros", main="#c8262d", shade="#861519", light="#ee6d6d",
                  second="#2f4f8c", back="#fbe6e2", ground="#e9c3bb", season="NYÁR", hair="#2e1d14"),
    "makk": dict(name="Makk", main="#8c5a2c", shade="#5b3818", light="#bf8a53",
                 second="#3d6b35", back="#f3e9dc", ground="#dcc7ab", season="TÉL", hair="#8a3d16"),
    "tok": dict(name="Tök", main="#e0a11c", shade="#9e6d0a", light="#f5cf68",
                second="#a8361c", back="#fbf2d6", ground="#ead8a4", season="ŐSZ", hair="#c9962e"),
    "zold": dict(name="Zöld", main="#2f8a3d", shade="#1b5a26", light="#72c37a",
                 second="#c1431f", back="#e6f3df", ground="#c6dfba", season="TAVASZ", hair="#5e3b1b"),
}
SUIT_ORDER = ["piros", "makk", "tok", "zold"]
RANKS = ["asz", "tiz", "kiraly", "felso", "also"]
RANK_MARK = {"asz": "Á", "tiz": "X", "kiraly": "K", "felso": "F", "also": "A"}


def n(v):
    """A number as short as it can be written."""
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def pts(points):
    return " ".join(f"{n(x)},{n(y)}" for x, y in points)


def attrs(**kw):
    return "".join(f' {k.replace("_", "-")}="{v}"' for k, v in kw.items() if v is not None)


def path(d, **kw):
    return f'<path d="{d}"{attrs(**kw)}/>'


def circle(cx, cy, r, **kw):
    return f'<circle cx="{n(cx)}" cy="{n(cy)}" r="{n(r)}"{attrs(**kw)}/>'


def ellipse(cx, cy, rx, ry, **kw):
    return f'<ellipse cx="{n(cx)}" cy="{n(cy)}" rx="{n(rx)}" ry="{n(ry)}"{attrs(**kw)}/>'


def rect(x, y, w, h, **kw):
    return f'<rect x="{n(x)}" y="{n(y)}" width="{n(w)}" height="{n(h)}"{attrs(**kw)}/>'


def group(items, transform=None, **kw):
    t = f' transform="{transform}"' if transform else ""
    return f"<g{t}{attrs(**kw)}>" + "".join(items) + "</g>"


def use(ref, x=0, y=0, s=1.0, rot=0):
    t = f"translate({n(x)} {n(y)})"
    if rot:
        t += f" rotate({n(rot)})"
    if s != 1:
        t += f" scale({n(s)})"
    return f'<use xlink:href="#{ref}" transform="{t}"/>'


def limb(points, colour, width, outline=1.2):
    """An arm or a leg: a thick round-ended stroke with a dark rim."""
    d = "M" + " L".join(f"{n(x)},{n(y)}" for x, y in points)
    return (path(d, fill="none", stroke=INK, stroke_width=n(width + 2 * outline),
                 stroke_linecap="round", stroke_linejoin="round")
            + path(d, fill="none", stroke=colour, stroke_width=n(width),
                   stroke_linecap="round", stroke_linejoin="round"))


class Defs:
    """The shared definitions a picture uses, each written once per file."""

    def __init__(self):
        self.items = {}

    def need(self, key):
        if key not in self.items:
            self.items[key] = DEF_BUILDERS[key](self)
        return key

    def svg(self):
        return "<defs>" + "".join(self.items.values()) + "</defs>" if self.items else ""


def radial(id_, stops, cx=0.4, cy=0.35, r=0.7):
    s = "".join(f'<stop offset="{n(o)}" stop-color="{c}"/>' for o, c in stops)
    return f'<radialGradient id="{id_}" cx="{n(cx)}" cy="{n(cy)}" r="{n(r)}">{s}</radialGradient>'


def linear(id_, stops, x1=0, y1=0, x2=0, y2=1):
    s = "".join(f'<stop offset="{n(o)}" stop-color="{c}"/>' for o, c in stops)
    return (f'<linearGradient id="{id_}" x1="{n(x1)}" y1="{n(y1)}" x2="{n(x2)}" y2="{n(y2)}">'
            f"{s}</linearGradient>")


# ---------------------------------------------------------------- suit signs
# Each sign is drawn round (0, 0) in a box of about 40 x 42 units.

HEART = ("M0,19.5 C-5,13.5 -20.5,3.5 -20.5,-7.5 C-20.5,-15 -15,-19.5 -9.5,-19.5 "
         "C-5,-19.5 -1.5,-16.5 0,-12.5 C1.5,-16.5 5,-19.5 9.5,-19.5 "
         "C15,-19.5 20.5,-15 20.5,-7.5 C20.5,3.5 5,13.5 0,19.5 Z")


def sign_piros(d):
    return group([
        path(HEART, fill="url(#gPiros)", stroke="#4a0b0e", stroke_width="1.4", stroke_linejoin="round"),
        path("M-14.5,-8.5 C-14.5,-12.5 -12,-15 -8.5,-15", fill="none", stroke="#ffd0d0",
             stroke_width="2.2", stroke_linecap="round", opacity="0.8"),
    ], id="piros")


def acorn_cup_texture():
    marks = []
    for y, xs in ((-13.2, (-6, -2, 2, 6)), (-9.4, (-8, -4, 0, 4, 8)), (-5.6, (-10, -6, -2, 2, 6, 10))):
        for x in xs:
            marks.append(f"M{n(x - 1.9)},{n(y)} Q{n(x)},{n(y + 2.6)} {n(x + 1.9)},{n(y)}")
    return path(" ".join(marks), fill="none", stroke="#c49a63", stroke_width="0.9", stroke_linecap="round")


def sign_makk(d):
    return group([
        path("M1,-16 C1.5,-19 2.5,-21 4.5,-22.5", fill="none", stroke="#4a2e12", stroke_width="2.4",
             stroke_linecap="round"),
        path("M4,-22 C8,-27 15,-27 19,-24 C15,-19 8,-18.5 4,-22 Z", fill="#58a83f", stroke="#1d4d16",
             stroke_width="1", stroke_linejoin="round"),
        path("M5.5,-22.2 C10,-23.5 13.5,-24 17,-24.2", fill="none", stroke="#1d4d16", stroke_width="0.7"),
        path("M-10.5,-5 C-11.5,6 -6,15.5 0,21 C6,15.5 11.5,6 10.5,-5 Z", fill="url(#gMakk)",
             stroke="#3a220c", stroke_width="1.4", stroke_linejoin="round"),
        path("M-6,0 C-6.5,6 -4.5,11 -1.5,15", fill="none", stroke="#e8b57c", stroke_width="1.8",
             stroke_linecap="round", opacity="0.75"),
        path("M-13.5,-2.5 C-14,-12 -7.5,-17.5 0,-17.5 C7.5,-17.5 14,-12 13.5,-2.5 C9,0.2 -9,0.2 -13.5,-2.5 Z",
             fill="#6b4522", stroke="#2e1a08", stroke_width="1.4", stroke_linejoin="round"),
        acorn_cup_texture(),
    ], id="makk")


def sign_tok(d):
    return group([
        circle(0, -18.6, 3.4, fill="none", stroke="#5c4006", stroke_width="2.2"),
        circle(0, 1, 17.5, fill="url(#gTok)", stroke="#5c4006", stroke_width="1.4"),
        path("M0,-16.5 L0,-4.2 M-9,-13.5 C-6.5,-10 -6,-7 -6,-3.9 M9,-13.5 C6.5,-10 6,-7 6,-3.9",
             fill="none", stroke="#b8860b", stroke_width="0.9"),
        path("M-17.05,-3 Q0,3.4 17.05,-3 L17.39,3 Q0,9.4 -17.39,3 Z", fill="#b0341a",
             stroke="#4a1406", stroke_width="1.1", stroke_linejoin="round"),
        group([circle(x, y, 1) for x, y in ((-11, 1.8), (-5.5, 3.6), (0, 4.3), (5.5, 3.6), (11, 1.8))],
              fill=GOLD_LIGHT),
        # The slot: a straight slit ending in two holes, and the seam below it.
        path("M0,13.5 V18.4", fill="none", stroke="#8a6208", stroke_width="1"),
        path("M-8,12.6 H8", fill="none", stroke="#3d2a03", stroke_width="1.6", stroke_linecap="round"),
        circle(-8.6, 12.6, 1.8, fill="#3d2a03"),
        circle(8.6, 12.6, 1.8, fill="#3d2a03"),
        path("M-11,-8 C-9,-11.5 -5.5,-13.5 -2.5,-14", fill="none", stroke="#fffbe0", stroke_width="2",
             stroke_linecap="round", opacity="0.85"),
    ], id="tok")


LEAF = ("M0,-21.5 C4.5,-16 18.5,-9 18.5,1.5 C18.5,9.5 12,13.8 6,13.2 C3.5,12.9 1.5,12 0,10.6 "
        "C-1.5,12 -3.5,12.9 -6,13.2 C-12,13.8 -18.5,9.5 -18.5,1.5 C-18.5,-9 -4.5,-16 0,-21.5 Z")


def sign_zold(d):
    veins = ("M0,10.5 L0,-17 M0,6 C4,5 8,5.5 12.5,3.5 M0,6 C-4,5 -8,5.5 -12.5,3.5 "
             "M0,-0.5 C4,-1.5 8,-2.5 12.5,-5 M0,-0.5 C-4,-1.5 -8,-2.5 -12.5,-5 "
             "M0,-7 C3,-8 5.5,-9.5 8,-11.5 M0,-7 C-3,-8 -5.5,-9.5 -8,-11.5")
    return group([
        path("M0,10 C0.5,15 1.5,18.5 -1,22.5", fill="none", stroke="#1f4f14", stroke_width="2.6",
             stroke_linecap="round"),
        path(LEAF, fill="url(#gZold)", stroke="#173f10", stroke_width="1.4", stroke_linejoin="round"),
        path(veins, fill="none", stroke="#d6f0b0", stroke_width="1", stroke_linecap="round", opacity="0.9"),
    ], id="zold")


DEF_BUILDERS = {
    "gPiros": lambda d: radial("gPiros", [(0, "#ff6f6a"), (0.5, "#dc2128"), (1, "#8f0d14")], 0.35, 0.3, 0.8),
    "gMakk": lambda d: radial("gMakk", [(0, "#e0a263"), (0.55, "#a8652a"), (1, "#6a3c14")], 0.35, 0.3, 0.85),
    "gTok": lambda d: radial("gTok", [(0, "#fff6b5"), (0.45, "#f6c93a"), (1, "#c48a06")], 0.38, 0.3, 0.75),
    "gZold": lambda d: radial("gZold", [(0, "#8fd66a"), (0.55, "#35962f"), (1, "#175c17")], 0.4, 0.35, 0.8),
    "gGold": lambda d: linear("gGold", [(0, GOLD_LIGHT), (0.5, GOLD), (1, GOLD_DARK)], 0, 0, 1, 1),
    "gGoldV": lambda d: linear("gGoldV", [(0, "#fbe9a8"), (0.5, GOLD), (1, "#b88a1c")]),
    "piros": lambda d: (d.need("gPiros"), sign_piros(d))[1],
    "makk": lambda d: (d.need("gMakk"), sign_makk(d))[1],
    "tok": lambda d: (d.need("gTok"), sign_tok(d))[1],
    "zold": lambda d: (d.need("gZold"), sign_zold(d))[1],
}

# ---------------------------------------------------------------- lettering
# A small stroke alphabet, each glyph in a box 10 wide and 14 high (accents above 0).

GLYPHS = {
    "A": (10, "M0,14 L5,0 L10,14 M1.9,9.2 H8.1"),
    "K": (9.5, "M0,0 V14 M9,0 L0,8.6 M3.3,5.4 L9.5,14"),
    "F": (8.5, "M8.5,0 H0 V14 M0,6.6 H6.6"),
    "X": (9.5, "M0,0 L9.5,14 M9.5,0 L0,14"),
    "N": (9, "M0,14 V0 L9,14 V0"),
    "Y": (10, "M0,0 L5,7 L10,0 M5,7 V14"),
    "R": (9.5, "M0,14 V0 H5 C8.3,0 9.5,1.8 9.5,3.8 C9.5,5.9 8,7.4 5,7.4 H0 M4.8,7.4 L9.5,14"),
    "O": (10, "M5,0 C8.2,0 10,3 10,7 C10,11 8.2,14 5,14 C1.8,14 0,11 0,7 C0,3 1.8,0 5,0 Z"),
    "S": (9.5, "M9,2.2 C8,0.7 6.6,0 4.9,0 C2.4,0 0.6,1.5 0.6,3.7 C0.6,9 9.4,5.3 9.4,10.2 "
               "C9.4,12.6 7.4,14 4.9,14 C2.9,14 1.2,13.2 0.1,11.7"),
    "Z": (10, "M0.5,0 H9.5 L0.5,14 H9.5"),
    "T": (10, "M0,0 H10 M5,0 V14"),
    "V": (10, "M0,0 L5,14 L10,0"),
    "E": (8.5, "M8.5,0 H0 V14 H8.5 M0,6.8 H6.8"),
    "L": (8.5, "M0,0 V14 H8.5"),
}
ACCENTS = {"Á": ("A", "M4.6,-2.4 L7.6,-5.8"), "É": ("E", "M3.6,-2.4 L6.6,-5.8"),
           "Ő": ("O", "M2.9,-2.4 L4.9,-5.8 M6.4,-2.4 L8.4,-5.8")}


def glyph(ch):
    if ch in ACCENTS:
        base, accent = ACCENTS[ch]
        w, d = GLYPHS[base]
        return w, d + " " + accent
    return GLYPHS[ch]


def text_width(text, gap=2.6):
    return sum(glyph(c)[0] for c in text) + gap * (len(text) - 1)


def lettering(text, x, y, height, colour, weight=2.3, gap=2.6):
    """Text with its top-left at (x, y), `height` units high (accents rise above y)."""
    s = height / 14
    parts, cx = [], 0.0
    for ch in text:
        w, d = glyph(ch)
        parts.append(path(d, transform=f"translate({n(cx)} 0)"))
        cx += w + gap
    return group(parts, f"translate({n(x)} {n(y)}) scale({n(s)})", fill="none", stroke=colour,
                 stroke_width=n(weight), stroke_linecap="round", stroke_linejoin="round")


# ---------------------------------------------------------------- card frame

CARD_OUTLINE = rect(0.75, 0.75, W - 1.5, H - 1.5, rx="7", fill=PAPER, stroke="#3a3530", stroke_width="1.5")
# The picture panel leaves the top-left corner free for the index.
PANEL = ("M27,10 Q27,6 31,6 H107 Q111,6 111,10 V184 Q111,188 107,188 H10 Q6,188 6,184 "
         "V66 Q6,62 10,62 H23 Q27,62 27,58 Z")


def index(suit, rank, d):
    d.need(suit)
    mark = RANK_MARK[rank]
    w = text_width(mark) * 21 / 14
    return (lettering(mark, 15 - w / 2, 13, 21, INK, weight=2.4)
            + use(suit, 15, 47.5, 0.46))


def face_svg(suit, rank):
    d = Defs()
    d.need(suit)
    c = SUITS[suit]
    body = [CARD_OUTLINE]
    if rank == "asz":
        body += ace(suit, c, d)
    elif rank == "tiz":
        body += ten(suit, c, d)
    else:
        body += figure(suit, rank, c, d)
    body.append(index(suit, rank, d))
    return document(W, H, d, body, f"{c['name']} {RANK_NAMES[rank]}")


RANK_NAMES = {"asz": "ász", "tiz": "tíz", "kiraly": "király", "felso": "felső", "also": "alsó"}


def document(w, h, d, body, title):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
            f'version="1.2" baseProfile="tiny" width="{w}" height="{h}" viewBox="0 0 {w} {h}">'
            f"<title>{title}</title>" + d.svg() + "".join(body) + "</svg>\n")


# ---------------------------------------------------------------- ász and tíz

def ace(suit, c, d):
    d.need("gGold")
    cx, cy = 62, 92
    out = [path(PANEL, fill=c["back"], stroke=INK, stroke_width="1")]
    # A medallion with a ring of beads behind the sign.
    out.append(circle(cx, cy, 43, fill=PAPER, stroke="url(#gGold)", stroke_width="4"))
    out.append(circle(cx, cy, 39.5, fill="none", stroke=c["shade"], stroke_width="0.8"))
    beads = [circle(cx + 46.8 * math.cos(a), cy + 46.8 * math.sin(a), 1.15)
             for a in (2 * math.pi * i / 36 for i in range(36))]
    out.append(group(beads, fill=c["main"]))
    # Scrolls at the four corners of the panel.
    for (x, y, sx, sy) in ((104, 13, -1, 1), (104, 181, -1, -1), (13, 181, 1, -1)):
        out.append(group([path("M0,0 C8,0 12,4 12,10 C12,14 9,16 6.5,14.5 C4.5,13 5.5,10 8,10.5",
                               fill="none", stroke=c["shade"], stroke_width="1.3", stroke_linecap="round"),
                          circle(0, 0, 1.8, fill=c["main"])],
                         f"translate({x} {y}) scale({sx} {sy})"))
    out.append(use(suit, cx, cy - 1, 1.85))
    # The season on a ribbon.
    out += banner(c["season"], cx, 160, c)
    return out


def banner(text, cx, y, c):
    tw = text_width(text) * 8 / 14
    half = tw / 2 + 7
    ribbon = (f"M{n(cx - half)},{n(y)} H{n(cx + half)} V{n(y + 13)} H{n(cx - half)} Z")
    tails = (f"M{n(cx - half)},{n(y + 3)} H{n(cx - half - 9)} L{n(cx - half - 5)},{n(y + 8.5)} "
             f"L{n(cx - half - 9)},{n(y + 15)} H{n(cx - half + 3)} V{n(y + 13)} H{n(cx - half)} Z "
             f"M{n(cx + half)},{n(y + 3)} H{n(cx + half + 9)} L{n(cx + half + 5)},{n(y + 8.5)} "
             f"L{n(cx + half + 9)},{n(y + 15)} H{n(cx + half - 3)} V{n(y + 13)} H{n(cx + half)} Z")
    return [path(tails, fill=c["shade"], stroke=INK, stroke_width="0.9", stroke_linejoin="round"),
            path(ribbon, fill=c["main"], stroke=INK, stroke_width="0.9", stroke_linejoin="round"),
            lettering(text, cx - tw / 2, y + 3, 8, WHITE if c is not SUITS["tok"] else INK, weight=2.0)]


def ten(suit, c, d):
    out = [path(PANEL, fill=PAPER, stroke=INK, stroke_width="1")]
    xs = (43, 93)
    ys = (30, 63, 96, 129, 162)
    for y in ys:
        for x in xs:
            out.append(use(suit, x, y, 0.63))
    # The Roman ten between the columns.
    out.append(circle(68, 96, 8.5, fill=c["main"], stroke=INK, stroke_width="1"))
    out.append(lettering("X", 64.6, 91, 10, WHITE, weight=2.4))
    return out


# ---------------------------------------------------------------- figures

def face(cx, cy, beard=None, moustache="#5a3a1c"):
    out = [circle(cx, cy, 9.2, fill=SKIN, stroke=INK, stroke_width="1.2")]
    if beard:
        out.append(path(f"M{n(cx - 8.6)},{n(cy + 1)} C{n(cx - 8)},{n(cy + 11)} {n(cx - 3)},{n(cy + 15)} "
                        f"{n(cx)},{n(cy + 16)} C{n(cx + 3)},{n(cy + 15)} {n(cx + 8)},{n(cy + 11)} "
                        f"{n(cx + 8.6)},{n(cy + 1)} C{n(cx + 5)},{n(cy + 5)} {n(cx - 5)},{n(cy + 5)} {n(cx - 8.6)},{n(cy + 1)} Z",
                        fill=beard, stroke=INK, stroke_width="1", stroke_linejoin="round"))
    out.append(circle(cx - 3.3, cy - 1, 1.05, fill=INK))
    out.append(circle(cx + 3.3, cy - 1, 1.05, fill=INK))
    out.append(path(f"M{n(cx - 5.3)},{n(cy - 4)} l2.6,-0.8 M{n(cx + 5.3)},{n(cy - 4)} l-2.6,-0.8",
                    fill="none", stroke=INK, stroke_width="0.8", stroke_linecap="round"))
    out.append(path(f"M{n(cx)},{n(cy - 1)} l-1,3.5 h1.6", fill="none", stroke=SKIN_DARK,
                    stroke_width="0.9", stroke_linecap="round", stroke_linejoin="round"))
    out.append(circle(cx - 5, cy + 2.6, 1.6, fill="#f0a090", opacity="0.6"))
    out.append(circle(cx + 5, cy + 2.6, 1.6, fill="#f0a090", opacity="0.6"))
    if moustache:
        out.append(path(f"M{n(cx)},{n(cy + 4)} c-2,-1.2 -4.5,-0.8 -6,1.2 M{n(cx)},{n(cy + 4)} "
                        f"c2,-1.2 4.5,-0.8 6,1.2", fill="none", stroke=moustache, stroke_width="1.5",
                        stroke_linecap="round"))
    else:
        out.append(path(f"M{n(cx - 2)},{n(cy + 5)} q2,1.4 4,0", fill="none", stroke="#9a4a3a",
                        stroke_width="0.9", stroke_linecap="round"))
    return out


def hand(x, y):
    return circle(x, y, 3.4, fill=SKIN, stroke=INK, stroke_width="1")


def boot(x, y, toward=1):
    return path(f"M{n(x - 4 * toward)},{n(y - 8)} V{n(y)} H{n(x + 7 * toward)} "
                f"C{n(x + 7 * toward)},{n(y - 3)} {n(x + 4 * toward)},{n(y - 4)} {n(x + 3.5 * toward)},{n(y - 8)} Z",
                fill="#3b2414", stroke=INK, stroke_width="1", stroke_linejoin="round")


def doublet(cx, top, waist, hem, c):
    """Shoulders at `top`, belt at `waist`, skirt flaring down to `hem`."""
    body = (f"M{n(cx - 15)},{n(top + 3)} Q{n(cx - 15)},{n(top)} {n(cx - 11)},{n(top)} H{n(cx + 11)} "
            f"Q{n(cx + 15)},{n(top)} {n(cx + 15)},{n(top + 3)} L{n(cx + 11)},{n(waist)} "
            f"L{n(cx + 17)},{n(hem)} Q{n(cx)},{n(hem + 4)} {n(cx - 17)},{n(hem)} L{n(cx - 11)},{n(waist)} Z")
    out = [path(body, fill=c["main"], stroke=INK, stroke_width="1.2", stroke_linejoin="round")]
    # Shading down the left side, buttons and belt.
    out.append(path(f"M{n(cx - 13)},{n(top + 4)} L{n(cx - 10)},{n(waist)} L{n(cx - 15)},{n(hem - 1)} "
                    f"L{n(cx - 11)},{n(hem + 0.8)} L{n(cx - 6)},{n(waist)} L{n(cx - 8)},{n(top + 2)} Z",
                    fill=c["shade"], opacity="0.55"))
    out.append(path(f"M{n(cx)},{n(top + 1)} V{n(waist)}", stroke=GOLD, stroke_width="1.3"))
    for i in range(4):
        out.append(circle(cx, top + 6 + i * (waist - top - 9) / 3, 1.1, fill=GOLD_LIGHT, stroke=GOLD_DARK,
                          stroke_width="0.5"))
    out.append(rect(cx - 11.5, waist - 2, 23, 4.2, fill="#3b2414", stroke=INK, stroke_width="0.8"))
    out.append(rect(cx - 2.2, waist - 2.4, 4.4, 5, fill=GOLD, stroke=INK, stroke_width="0.6"))
    out.append(path(f"M{n(cx - 16)},{n(hem - 2.5)} Q{n(cx)},{n(hem + 1.5)} {n(cx + 16)},{n(hem - 2.5)}",
                    fill="none", stroke=GOLD, stroke_width="1.6"))
    # A white collar.
    out.append(path(f"M{n(cx - 7)},{n(top - 1)} Q{n(cx)},{n(top + 6)} {n(cx + 7)},{n(top - 1)} "
                    f"Q{n(cx)},{n(top + 2)} {n(cx - 7)},{n(top - 1)} Z",
                    fill=WHITE, stroke=INK, stroke_width="0.9"))
    return out


def legs(cx, top, foot, c):
    out = []
    out.append(limb([(cx - 6, top), (cx - 8, foot - 6)], c["second"], 8))
    out.append(limb([(cx + 6, top), (cx + 8, foot - 6)], c["second"], 8))
    out.append(boot(cx - 8, foot, -1))
    out.append(boot(cx + 8, foot, 1))
    return out


def hat_felso(cx, cy, c):
    """A broad hat with a feather, tilted."""
    return [
        path(f"M{n(cx - 6)},{n(cy - 14)} C{n(cx - 14)},{n(cy - 26)} {n(cx - 24)},{n(cy - 26)} {n(cx - 28)},{n(cy - 20)} "
             f"C{n(cx - 22)},{n(cy - 20)} {n(cx - 14)},{n(cy - 17)} {n(cx - 8)},{n(cy - 11)} Z",
             fill=WHITE, stroke=INK, stroke_width="0.9", stroke_linejoin="round"),
        path(f"M{n(cx - 9)},{n(cy - 8)} C{n(cx - 8)},{n(cy - 18)} {n(cx + 8)},{n(cy - 19)} {n(cx + 9)},{n(cy - 8)} Z",
             fill=c["shade"], stroke=INK, stroke_width="1.1", stroke_linejoin="round"),
        path(f"M{n(cx - 16)},{n(cy - 7)} Q{n(cx)},{n(cy - 12)} {n(cx + 17)},{n(cy - 8.5)} "
             f"Q{n(cx + 18)},{n(cy - 5.5)} {n(cx + 14)},{n(cy - 5)} Q{n(cx)},{n(cy - 7.5)} {n(cx - 15)},{n(cy - 4)} "
             f"Q{n(cx - 18)},{n(cy - 4.5)} {n(cx - 16)},{n(cy - 7)} Z",
             fill=c["main"], stroke=INK, stroke_width="1.1", stroke_linejoin="round"),
        path(f"M{n(cx - 8.5)},{n(cy - 9.5)} Q{n(cx)},{n(cy - 12)} {n(cx + 8.5)},{n(cy - 10)}",
             fill="none", stroke=GOLD, stroke_width="1.6"),
    ]


def cap_also(cx, cy, c):
    """A soft cap over brown hair."""
    return [
        path(f"M{n(cx - 9.5)},{n(cy + 2)} C{n(cx - 11)},{n(cy - 6)} {n(cx - 6)},{n(cy - 9)} {n(cx)},{n(cy - 9)} "
             f"C{n(cx + 6)},{n(cy - 9)} {n(cx + 11)},{n(cy - 6)} {n(cx + 9.5)},{n(cy + 2)} "
             f"C{n(cx + 8)},{n(cy - 3)} {n(cx - 8)},{n(cy - 3)} {n(cx - 9.5)},{n(cy + 2)} Z",
             fill=c["hair"], stroke=INK, stroke_width="0.9", stroke_linejoin="round"),
        path(f"M{n(cx - 11)},{n(cy - 5)} C{n(cx - 10)},{n(cy - 17)} {n(cx + 12)},{n(cy - 18)} {n(cx + 13)},{n(cy - 8)} "
             f"C{n(cx + 6)},{n(cy - 9)} {n(cx - 4)},{n(cy - 8)} {n(cx - 11)},{n(cy - 5)} Z",
             fill=c["main"], stroke=INK, stroke_width="1.1", stroke_linejoin="round"),
        path(f"M{n(cx + 6)},{n(cy - 14)} C{n(cx + 10)},{n(cy - 22)} {n(cx + 16)},{n(cy - 24)} {n(cx + 19)},{n(cy - 23)} "
             f"C{n(cx + 16)},{n(cy - 19)} {n(cx + 12)},{n(cy - 14)} {n(cx + 8)},{n(cy - 12)} Z",
             fill=WHITE, stroke=INK, stroke_width="0.8", stroke_linejoin="round"),
    ]


def crown(cx, top, wide=12):
    pts_ = [(cx - wide, top + 12), (cx - wide - 1, top + 1), (cx - wide / 2, top + 6), (cx, top - 1),
            (cx + wide / 2, top + 6), (cx + wide + 1, top + 1), (cx + wide, top + 12)]
    out = [path("M" + " L".join(f"{n(x)},{n(y)}" for x, y in pts_) + " Z", fill="url(#gGoldV)", stroke=INK,
                stroke_width="1.1", stroke_linejoin="round")]
    out.append(rect(cx - wide - 0.5, top + 9.5, 2 * wide + 1, 3.2, fill=GOLD_DARK, stroke=INK, stroke_width="0.7"))
    for x, y in ((cx - wide - 1, top + 1), (cx, top - 1), (cx + wide + 1, top + 1)):
        out.append(circle(x, y, 1.8, fill=GOLD_LIGHT, stroke=INK, stroke_width="0.7"))
    out.append(circle(cx, top + 6.5, 1.7, fill="#c0182a", stroke=INK, stroke_width="0.5"))
    out.append(circle(cx - 6.5, top + 8, 1.2, fill="#2a62c0", stroke=INK, stroke_width="0.5"))
    out.append(circle(cx + 6.5, top + 8, 1.2, fill="#2a62c0", stroke=INK, stroke_width="0.5"))
    return out


def ground(c):
    return path("M6,166 Q58,160 111,166 V184 Q111,188 107,188 H10 Q6,188 6,184 Z", fill=c["ground"])


def figure(suit, rank, c, d):
    out = [path(PANEL, fill=c["back"], stroke=INK, stroke_width="1"), ground(c)]
    if rank == "kiraly":
        out += king(suit, c, d)
    elif rank == "felso":
        out += felso(suit, c, d)
    else:
        out += also(suit, c, d)
    out.append(path(PANEL, fill="none", stroke=INK, stroke_width="1"))
    return out


def felso(suit, c, d):
    cx = 60
    out = []
    # Sword at the hip, behind the body.
    out.append(path(f"M{n(cx - 13)},104 L{n(cx - 27)},150", stroke=INK, stroke_width="3.2", stroke_linecap="round"))
    out.append(path(f"M{n(cx - 13)},104 L{n(cx - 27)},150", stroke="#c8ccd4", stroke_width="1.8", stroke_linecap="round"))
    out += legs(cx, 112, 180, c)
    # The left arm hangs and holds the hilt; the right one lifts the sign.
    out.append(limb([(cx - 12, 68), (cx - 18, 88), (cx - 14, 102)], c["second"], 6.5))
    out += doublet(cx, 64, 98, 118, c)
    out.append(path(f"M{n(cx - 18)},100.5 L{n(cx - 9)},106", stroke=GOLD_DARK, stroke_width="2.6", stroke_linecap="round"))
    out.append(hand(cx - 14, 102))
    out.append(limb([(cx + 12, 68), (cx + 24, 56), (cx + 29, 42)], c["second"], 6.5))
    out.append(hand(cx + 29, 41))
    out.append(use(suit, cx + 31, 24, 0.68))
    out.append(rect(cx - 3, 56, 6, 6, fill=SKIN, stroke=INK, stroke_width="0.9"))
    out += face(cx, 49, moustache=c["hair"])
    out += hat_felso(cx, 49, c)
    return out


def also(suit, c, d):
    cx = 58
    out = []
    # A halberd in the left hand.
    out.append(path(f"M{n(cx - 21)},26 V182", stroke=INK, stroke_width="3.4", stroke_linecap="round"))
    out.append(path(f"M{n(cx - 21)},26 V182", stroke="#8a5a2c", stroke_width="2", stroke_linecap="round"))
    out.append(path(f"M{n(cx - 21)},18 L{n(cx - 18.5)},30 H{n(cx - 23.5)} Z M{n(cx - 20)},32 "
                    f"C{n(cx - 14)},30 {n(cx - 11)},35 {n(cx - 10)},40 C{n(cx - 13)},43 {n(cx - 17)},42 {n(cx - 20)},40 Z",
                    fill="#d6dae2", stroke=INK, stroke_width="1", stroke_linejoin="round"))
    out += legs(cx, 112, 180, c)
    out.append(limb([(cx - 12, 68), (cx - 19, 80), (cx - 21, 92)], c["second"], 6.5))
    out.append(limb([(cx + 12, 68), (cx + 20, 90), (cx + 27, 114)], c["second"], 6.5))
    out += doublet(cx, 64, 98, 118, c)
    out.append(hand(cx - 21, 92))
    out.append(use(suit, cx + 30, 134, 0.68))
    out.append(hand(cx + 28, 117))
    out.append(rect(cx - 3, 56, 6, 6, fill=SKIN, stroke=INK, stroke_width="0.9"))
    out += face(cx, 49, moustache=None)
    out += cap_also(cx, 49, c)
    return out


def king(suit, c, d):
    d.need("gGoldV")
    cx = 60
    out = []
    # The throne behind him.
    out.append(path("M34,176 V62 C34,40 86,40 86,62 V176 Z", fill="#7a4a26", stroke=INK, stroke_width="1.2"))
    out.append(path("M39,176 V64 C39,47 81,47 81,64 V176 Z", fill="#9a6236"))
    out.append(circle(34, 58, 3.2, fill="url(#gGoldV)", stroke=INK, stroke_width="0.8"))
    out.append(circle(86, 58, 3.2, fill="url(#gGoldV)", stroke=INK, stroke_width="0.8"))
    # Robe to the floor, cape with ermine.
    robe = (f"M{n(cx - 14)},72 H{n(cx + 14)} L{n(cx + 22)},176 Q{n(cx)},181 {n(cx - 22)},176 Z")
    out.append(path(robe, fill=c["main"], stroke=INK, stroke_width="1.2", stroke_linejoin="round"))
    out.append(path(f"M{n(cx - 2)},74 L{n(cx - 5)},176 M{n(cx + 2)},74 L{n(cx + 5)},176", stroke=GOLD,
                    stroke_width="1.6"))
    cape = (f"M{n(cx - 12)},70 C{n(cx - 22)},74 {n(cx - 27)},120 {n(cx - 30)},174 L{n(cx - 22)},176 "
            f"C{n(cx - 19)},130 {n(cx - 16)},96 {n(cx - 9)},74 Z "
            f"M{n(cx + 12)},70 C{n(cx + 22)},74 {n(cx + 27)},120 {n(cx + 30)},174 L{n(cx + 22)},176 "
            f"C{n(cx + 19)},130 {n(cx + 16)},96 {n(cx + 9)},74 Z")
    out.append(path(cape, fill=c["second"], stroke=INK, stroke_width="1.1", stroke_linejoin="round"))
    out.append(path(f"M{n(cx - 30)},174 L{n(cx - 22)},176 M{n(cx + 30)},174 L{n(cx + 22)},176",
                    stroke=WHITE, stroke_width="3"))
    # Ermine collar.
    out.append(path(f"M{n(cx - 17)},75 Q{n(cx)},88 {n(cx + 17)},75 Q{n(cx + 15)},67 {n(cx)},66 "
                    f"Q{n(cx - 15)},67 {n(cx - 17)},75 Z", fill=WHITE, stroke=INK, stroke_width="1"))
    for x, y in ((cx - 10, 74), (cx - 4, 78), (cx + 3, 78), (cx + 9, 74), (cx, 71)):
        out.append(path(f"M{n(x)},{n(y - 1.2)} v2.4", stroke=INK, stroke_width="1.1", stroke_linecap="round"))
    # Arms: sceptre in the left hand, the sign held out on the right.
    out.append(limb([(cx - 11, 80), (cx - 16, 100), (cx - 10, 112)], c["main"], 7))
    out.append(limb([(cx + 11, 80), (cx + 18, 100), (cx + 25, 104)], c["main"], 7))
    out.append(path(f"M{n(cx - 10)},136 L{n(cx - 10)},84", stroke=INK, stroke_width="3.2", stroke_linecap="round"))
    out.append(path(f"M{n(cx - 10)},136 L{n(cx - 10)},84", stroke=GOLD, stroke_width="1.8", stroke_linecap="round"))
    out.append(circle(cx - 10, 82, 3.4, fill="url(#gGoldV)", stroke=INK, stroke_width="0.9"))
    out.append(hand(cx - 10, 112))
    out.append(use(suit, cx + 33, 90, 0.6))
    out.append(hand(cx + 26, 104))
    out += face(cx, 56, beard="#ecebe6", moustache="#c9c7c0")
    out += crown(cx, 36)
    # Footstool.
    out.append(rect(cx - 20, 176, 40, 7, rx="1.5", fill="#5d3a1d", stroke=INK, stroke_width="1"))
    return out


# ---------------------------------------------------------------- back and icon

def back_body(d):
    """The upright back: pink ornaments on white inside a gold frame."""
    d.need("gGold")
    out = [rect(0.75, 0.75, W - 1.5, H - 1.5, rx="7", fill=PAPER, stroke="#3a3530", stroke_width="1.5"),
           rect(5, 5, W - 10, H - 10, rx="4.5", fill="none", stroke="url(#gGold)", stroke_width="5"),
           rect(2.6, 2.6, W - 5.2, H - 5.2, rx="6", fill="none", stroke=GOLD_DARK, stroke_width="0.6"),
           rect(7.8, 7.8, W - 15.6, H - 15.6, rx="3", fill="none", stroke=GOLD_DARK, stroke_width="0.8")]
    # A lattice of pink diamonds with a rosette in each.
    x0, y0, x1, y1 = 11, 11, W - 11, H - 11
    lines = []
    step = 14.0
    for k in range(-20, 21):
        # Diagonals x - y = c and x + y = c, cut to the inner field by hand.
        for sign in (1, -1):
            # Lines through the centre of the card, so the lattice is symmetric.
            c_ = H / 2 - sign * W / 2 + k * step
            seg = diag_segment(c_, sign, x0, y0, x1, y1)
            if seg:
                (ax, ay), (bx, by) = seg
                lines.append(f"M{n(ax)},{n(ay)} L{n(bx)},{n(by)}")
    # One path per line: Qt strokes many short paths far faster than one long crossing one.
    out.append(group([path(l) for l in lines], fill="none", stroke="#f2a7c3", stroke_width="1"))
    # A rosette in the middle of every diamond of the lattice.
    ros = []
    cxm, cym = W / 2, H / 2
    half = step / 2
    for i in range(-8, 9):
        for j in range(-14, 15):
            if (i + j) % 2 == 0:
                continue
            x, y = cxm + i * half, cym + j * half
            if x0 + 3 <= x <= x1 - 3 and y0 + 3 <= y <= y1 - 3:
                ros.append(use("rosette", x, y))
    out += ros
    # A central medallion.
    out.append(ellipse(cxm, cym, 27, 36, fill=PAPER, stroke="url(#gGold)", stroke_width="3.5"))
    out.append(ellipse(cxm, cym, 22.5, 31.5, fill="none", stroke="#d9477e", stroke_width="1.2"))
    petals = []
    for i in range(8):
        a = 360 * i / 8
        petals.append(path("M0,-4 C5,-9 5,-20 0,-25 C-5,-20 -5,-9 0,-4 Z",
                           transform=f"translate({n(cxm)} {n(cym)}) rotate({n(a)})"))
    out.append(group(petals, fill="#f48fb5", stroke="#b0305f", stroke_width="0.9"))
    out.append(circle(cxm, cym, 5, fill="url(#gGold)", stroke=GOLD_DARK, stroke_width="0.8"))
    out.append(circle(cxm, cym, 1.8, fill="#d9477e"))
    return out


def diag_segment(c_, sign, x0, y0, x1, y1):
    """Part of the line y = sign * x + c_ inside the rectangle, or None."""
    cand = []
    for x in (x0, x1):
        y = sign * x + c_
        if y0 <= y <= y1:
            cand.append((x, y))
    for y in (y0, y1):
        x = (y - c_) * sign
        if x0 <= x <= x1:
            cand.append((x, y))
    cand = sorted(set((round(a, 3), round(b, 3)) for a, b in cand))
    if len(cand) < 2 or cand[0] == cand[-1]:
        return None
    return cand[0], cand[-1]


def rosette(d):
    return group([
        path("M0,-3.6 C1.6,-1.6 1.6,1.6 0,3.6 C-1.6,1.6 -1.6,-1.6 0,-3.6 Z M-3.6,0 C-1.6,1.6 1.6,1.6 3.6,0 "
             "C1.6,-1.6 -1.6,-1.6 -3.6,0 Z", fill="#f48fb5", stroke="#c2416f", stroke_width="0.5"),
        circle(0, 0, 1.1, fill=GOLD),
    ], id="rosette")


DEF_BUILDERS["rosette"] = rosette


def back_svg(crosswise):
    d = Defs()
    d.need("rosette")
    body = back_body(d)
    if crosswise:
        return document(H, W, d, [group(body, f"translate({H} 0) rotate(90)")], "Hátlap, keresztben")
    return document(W, H, d, body, "Hátlap")


def icon_svg():
    """Two cards side by side: the pink back and the Piros felső."""
    d = Defs()
    d.need("rosette")
    back = back_body(d)
    c = SUITS["piros"]
    d.need("piros")
    front = [CARD_OUTLINE] + figure("piros", "felso", c, d) + [index("piros", "felso", d)]
    s = 56 / H
    body = [group(back, f"translate(1.5 7.5) rotate(-10) scale({n(s)})"),
            group(front, f"translate(29 3) rotate(6) scale({n(s)})")]
    return document(64, 64, d, body, "Tarolás")


def main():
    cards = ROOT / "resources" / "cards"
    cards.mkdir(parents=True, exist_ok=True)
    for suit in SUIT_ORDER:
        for rank in RANKS:
            (cards / f"{suit}_{rank}.svg").write_text(face_svg(suit, rank), encoding="utf-8")
    (cards / "back.svg").write_text(back_svg(False), encoding="utf-8")
    (cards / "back_crosswise.svg").write_text(back_svg(True), encoding="utf-8")
    (ROOT / "resources" / "icon.svg").write_text(icon_svg(), encoding="utf-8")


if __name__ == "__main__":
    main()
