#!/usr/bin/env python3
"""Writes skins/<dir>/Toolkit.qss from one template and the palettes of the UI guide.

Run after changing the template or a palette; the generated files are committed.
"""
import os

PALETTES = {
    # window, panel, raised, border, text, secondary, accent, accentHover, selection,
    # success, warning, error, glyph set, hover row, disabled text
    "dark": dict(window="#1B1C1F", panel="#232428", raised="#2C2E33", border="#3A3C42",
                 text="#E6E6E6", secondary="#9A9CA3", accent="#D9363E", accentHover="#E5545B",
                 selection="#3A2A2C", success="#3FB950", warning="#D29922", error="#F85149",
                 glyph="dark", hover="#2A2B30", handle="#4A4D55", handleHover="#5C5F68",
                 shadow="#141517"),
    "neutral": dict(window="#F5F6F8", panel="#FFFFFF", raised="#F0F1F4", border="#DCDFE6",
                    text="#1F2329", secondary="#646A73", accent="#3370FF", accentHover="#5B8CFF",
                    selection="#E8F0FF", success="#1E9E4A", warning="#C27C0E", error="#D93026",
                    glyph="light", hover="#F5F7FA", handle="#C9CDD4", handleHover="#A8AEB7",
                    shadow="#E4E6EB"),
    "bright": dict(window="#E9EAEC", panel="#F7F7F8", raised="#FFFFFF", border="#CFD2D8",
                   text="#1F2329", secondary="#5F6368", accent="#D9363E", accentHover="#E5545B",
                   selection="#F6E3E4", success="#1E9E4A", warning="#C27C0E", error="#D93026",
                   glyph="light", hover="#EFEFF1", handle="#C4C7CD", handleHover="#A6AAB2",
                   shadow="#DEDFE2"),
    "blue": dict(window="#0F1B2D", panel="#15243A", raised="#1C2F4A", border="#2A4264",
                 text="#E3EAF4", secondary="#8FA3BF", accent="#2F81F7", accentHover="#58A0FF",
                 selection="#1F3A5F", success="#3FB950", warning="#D29922", error="#F85149",
                 glyph="dark", hover="#19293F", handle="#34507A", handleHover="#43638F",
                 shadow="#0B1422"),
}

HERE = os.path.dirname(os.path.abspath(__file__))


def main():
    with open(os.path.join(HERE, "Toolkit.qss.in"), encoding="utf-8") as f:
        template = f.read()
    for name, palette in PALETTES.items():
        # Disabled primary buttons: the accent at 40% opacity.
        r, g, b = (int(palette["accent"][i:i + 2], 16) for i in (1, 3, 5))
        palette = dict(palette, accentFaint="rgba(%d, %d, %d, 102)" % (r, g, b))
        text = template
        for key, value in palette.items():
            text = text.replace("@" + key + "@", value)
        text = text.replace("@skin@", name)
        os.makedirs(os.path.join(HERE, name), exist_ok=True)
        with open(os.path.join(HERE, name, "Toolkit.qss"), "w", encoding="utf-8") as f:
            f.write(text)


if __name__ == "__main__":
    main()
