"""Turns data/help/html/index.html into data/help/help.rtf (icons embedded as pictures). Run from the repository root."""
import os, sys
from html.parser import HTMLParser

VOID = {'meta', 'img', 'br', 'hr', 'link'}

class Node:
    def __init__(s, tag, attrs=None, parent=None):
        s.tag, s.attrs, s.kids, s.parent = tag, dict(attrs or {}), [], parent

class Tree(HTMLParser):
    def __init__(s):
        super().__init__(convert_charrefs=True)
        s.root = Node('root'); s.cur = s.root
    def handle_starttag(s, t, a):
        n = Node(t, a, s.cur); s.cur.kids.append(n)
        if t not in VOID: s.cur = n
    def handle_endtag(s, t):
        s.cur = s.cur.parent
    def handle_data(s, d):
        s.cur.kids.append(d)

def esc(text):
    out = []
    for ch in text:
        o = ord(ch)
        if ch in '\\{}': out.append('\\' + ch)
        elif o > 127: out.append('\\u%d?' % (o if o < 32768 else o - 65536))
        else: out.append(ch)
    return ''.join(out)

def ws(text):
    import re
    return re.sub(r'\s+', ' ', text)

BASE = None

def picture(src, w, h):
    path = os.path.normpath(os.path.join(BASE, src))
    data = open(path, 'rb').read()
    kind = 'pngblip' if path.endswith('.png') else 'jpegblip'
    hexdata = data.hex()
    lines = '\n'.join(hexdata[i:i + 128] for i in range(0, len(hexdata), 128))
    return ('{\\pict\\%s\\picw%d\\pich%d\\picwgoal%d\\pichgoal%d\n%s}'
            % (kind, w, h, w * 15, h * 15, lines))

def inline(n, pre=False):
    if isinstance(n, str):
        if pre:
            return '\\line\n'.join(esc(l) for l in n.split('\n'))
        return esc(ws(n))
    body = ''.join(inline(k, pre) for k in n.kids)
    t = n.tag
    if t in ('b', 'strong', 'th'): return '{\\b ' + body + '}'
    if t in ('i', 'em'): return '{\\i ' + body + '}'
    if t in ('code', 'kbd'): return '{\\f1 ' + body + '}'
    if t == 'br': return '\\line '
    if t == 'img':
        return picture(n.attrs['src'], int(n.attrs['width']), int(n.attrs['height']))
    return body

def text_len(n):
    if isinstance(n, str): return len(ws(n))
    if n.tag == 'img': return 3
    return sum(text_len(k) for k in n.kids)

PAGE = 9360

def table(n):
    rows = [r for r in walk(n) if not isinstance(r, str) and r.tag == 'tr']
    grid = [[c for c in r.kids if not isinstance(c, str) and c.tag in ('td', 'th')] for r in rows]
    cols = max(len(r) for r in grid)
    longest = [max((min(text_len(r[i]), 60) for r in grid if i < len(r)), default=1) for i in range(cols)]
    def words(n):
        if isinstance(n, str): return ws(n).split()
        return [w for k in n.kids for w in words(k)]
    longest_word = [max((len(w) for r in grid if i < len(r) for w in words(r[i])), default=1) for i in range(cols)]
    least = [max(1300, 150 * w + 250) for w in longest_word]
    total = sum(longest)
    widths = [max(least[i], int(PAGE * longest[i] / total)) for i in range(cols)]
    spare = PAGE - sum(widths)
    wide = max(range(cols), key=lambda i: widths[i])
    widths[wide] += spare
    out = []
    for r in grid:
        header = r[0].tag == 'th'
        row = '\\trowd\\trgaph80\\trleft0' + ('\\trhdr' if header else '')
        x = 0
        for i in range(len(r)):
            x += widths[i]
            row += ('\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10'
                    '\\clbrdrr\\brdrs\\brdrw10' + ('\\clcbpat3' if header else '') + '\\cellx%d' % x)
        cells = ''.join('\\pard\\intbl\\sa40 ' + inline(c).strip() + '\\cell\n' for c in r)
        out.append(row + '\n' + cells + '\\row\n')
    return ''.join(out) + '\\pard\\sa120\\par\n'

def walk(n):
    yield n
    if not isinstance(n, str):
        for k in n.kids: yield from walk(k)

def block(n):
    if isinstance(n, str): return ''
    t = n.tag
    if t in ('head', 'nav', 'style', 'title'): return ''
    if t == 'h1': return '\\pard\\sb120\\sa160\\b\\fs44 ' + inline(n).strip() + '\\b0\\fs22\\par\n'
    if t == 'h2': return '\\pard\\keepn\\sb360\\sa120\\b\\fs32\\cf2 ' + inline(n).strip() + '\\cf1\\b0\\fs22\\par\n'
    if t == 'h3': return '\\pard\\keepn\\sb240\\sa80\\b\\fs26 ' + inline(n).strip() + '\\b0\\fs22\\par\n'
    if t == 'p': return '\\pard\\sa120 ' + inline(n).strip() + '\\par\n'
    if t == 'pre': return '\\pard\\sa120\\f1\\fs20 ' + inline(n, pre=True).strip() + '\\f0\\fs22\\par\n'
    if t == 'ul':
        return ''.join('\\pard\\fi-260\\li400\\sa60 \\u8226?\\tab ' + inline(li).strip() + '\\par\n'
                       for li in n.kids if not isinstance(li, str) and li.tag == 'li') + '\\pard\\sa60\\par\n'
    if t == 'table': return table(n)
    return ''.join(block(k) for k in n.kids)

def main(src, dst):
    global BASE
    BASE = os.path.dirname(src)
    tree = Tree(); tree.feed(open(src, encoding='utf-8').read())
    head = ('{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n'
            '{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fmodern\\fcharset0 Courier New;}}\n'
            '{\\colortbl;\\red34\\green34\\blue34;\\red38\\green70\\blue120;\\red236\\green239\\blue241;}\n'
            '{\\info{\\title Drawlet 0.10 - Help}}\n'
            '\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1200\\margb1200\n'
            '\\viewkind4\\f0\\fs22\\cf1\n')
    body = block(tree.root)
    data = head + body + '}\n'
    with open(dst, 'w', encoding='ascii', newline='\r\n') as f:
        f.write(data)

main(sys.argv[1], sys.argv[2])
