"""Who wears which skin: the content list's skin names and their designs.

Skin s is enemy type s's look (and lends the player its part s). The types
the rooms place have a design each; the others wear a colour variant of the
design of their behaviour, so any of them could be placed too.
"""
from .designs.bat import Bat
from .designs.bouncer import Bouncer
from .designs.brute import Brute
from .designs.crawler import Crawler
from .designs.gunner import Gunner
from .designs.hero import Hero
from .designs.sentry import Sentry
from .designs.wraith import Wraith

PLAYER = Hero()

CAST = [
    ("sentry_amber", Sentry(shell=(196, 150, 60), eye=(90, 220, 255))),
    ("sentry_teal", Sentry(shell=(60, 150, 150), eye=(255, 230, 60))),
    ("sentry_violet", Sentry(shell=(130, 96, 170), eye=(120, 255, 120))),
    ("sentry_rust", Sentry(shell=(160, 90, 60), eye=(255, 240, 200))),
    ("crawler", Crawler()),
    ("gunner_grey", Gunner(cloth=(110, 112, 120), helmet=(70, 72, 82))),
    ("sentry_jade", Sentry(shell=(70, 160, 100), eye=(255, 80, 200))),
    ("brute", Brute()),
    ("bat", Bat()),
    ("gunner_crimson", Gunner(cloth=(150, 44, 44), helmet=(60, 24, 28), goggles=(255, 220, 60))),
    ("gunner_sand", Gunner(cloth=(190, 160, 110), helmet=(130, 104, 64))),
    ("sentry_ice", Sentry(shell=(190, 220, 240), eye=(40, 120, 255))),
    ("gunner_night", Gunner(cloth=(48, 52, 80), helmet=(28, 30, 48), goggles=(80, 255, 200))),
    ("bouncer", Bouncer()),
    ("sentry", Sentry()),
    ("wraith_ember", Wraith(robe=(110, 40, 30), glow=(255, 160, 40))),
    ("wraith", Wraith()),
    ("gunner", Gunner()),
]
