"""Writes every picture the program compiles in: the six poem cards, the
title, the icon with its desktop sizes under hicolor/, and the maker's
splash pictures; the cards, title and splash pictures also at 2x and 3x.

    /usr/bin/python3 tools/pictures/make_pictures.py assets
"""

import sys

import brand_pictures
import program_icon
from cards import card_autumn, card_spring, card_summer
from cards_winter_morning_night import card_morning, card_night, card_winter

# card index -> motif, in the order the card window keeps its pictures
CARDS = (card_spring, card_summer, card_autumn, card_winter, card_morning, card_night)


def write_all(assets):
    for index, draw in enumerate(CARDS, start=1):
        for factor in (1, 2, 3):
            name = brand_pictures.variant_name(f"card{index}.png", factor)
            draw(factor).save(f"{assets}/{name}", optimize=factor > 1)
    brand_pictures.write_all(assets)
    program_icon.write_desktop_icons(assets)


if __name__ == "__main__":
    write_all(sys.argv[1] if len(sys.argv) > 1 else "assets")
