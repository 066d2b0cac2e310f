"""The content list: counts and names of the skins, the scenery sets and
the projectile pictures, as white-space separated words."""


def contents_text(*name_lists):
    """One count and its names per list, a word a line."""
    lines = []
    for names in name_lists:
        lines += [str(len(names))] + list(names)
    return "\n".join(lines) + "\n"


def parse_contents(text):
    """(skins, scenery sets, projectile pictures) from the list's text."""
    words = text.split()
    lists, i = [], 0
    for _ in range(3):
        count = int(words[i])
        lists.append(words[i + 1:i + 1 + count])
        i += 1 + count
    return lists
