#!/usr/bin/env python3
"""An independent model of the sampling calculator (Python floats are IEEE doubles; the
texts come from exact decimal arithmetic). It prints the number of texts written and the
FNV-1a digest that SamplingCalculatorTest's TextsOfManyInputsHaveTheKnownDigest expects.
Its inputs are plain decimal texts, so Python's float() serves as ParseInputText."""
import math
from decimal import ROUND_HALF_UP, Decimal, getcontext

getcontext().prec = 2000
K = 0.016666666666666666


def ff(x, decimals):
    d = Decimal(x)
    if d != 0:
        d = abs(d).quantize(Decimal(1).scaleb(d.adjusted() - 16), rounding=ROUND_HALF_UP)
    r = d.quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP)
    s = format(r, "f")
    return "-" + s if x < 0 and r != 0 else s

class Sim:
    def __init__(s):
        s.st = dict(pL=0.0,pSL=0.0,pW=0.0,pSW=0.0,focal=0.0,sL=math.nan,sW=math.nan,diam=0.0)
        s.texts = {}; s.sets = []
    def pos(s, v): return v > 0
    def get(s, i, n): return s.texts.get(i, '')[:n]
    def set(s, i, t):
        s.sets.append((i, t)); s.texts[i] = t; s.notify(i)
    def fixed(s, v, d, suf=''):
        if not math.isfinite(v): return None
        t = ff(v, d) + suf
        return t if len(t) <= 49 else None
    def w(s, i, t):
        if t is not None: s.set(i, t)
    def notify(s, i):
        if 1000 <= i <= 1005: s.apply(i)
        elif i in (1009, 1014): s.obj('sL', 1014, 1016)
        elif i in (1010, 1015): s.obj('sW', 1015, 1017)
    def obj(s, key, c, p):
        x = float(s.get(c, 48) or 0)  # simple inputs only
        samp = s.st[key]
        if not (x > 0) or not (samp > 0): return
        s.w(p, s.fixed(x * 60 / samp, 0))
    def field(s, v):
        if not math.isfinite(v): return None
        return s.fixed(v * K, 3, '\xb0') if v >= 60 else s.fixed(v, 2, "'")
    def apply(s, i):
        key = {1000:'pW',1001:'pL',1002:'pSW',1003:'pSL',1004:'diam',1005:'focal'}[i]
        s.st[key] = float(s.get(i, 49) or 0)
        st = s.st
        if st['pSL']>0 and st['pL']>0 and st['focal']>0:
            s.w(1007, s.field(st['pSL']*st['pL']*205/st['focal']*K))
        if st['pSW']>0 and st['pW']>0 and st['focal']>0:
            s.w(1008, s.field(st['pSW']*st['pW']*205/st['focal']*K))
        for ps, sk, sc, oc in (('pSL','sL',1009,1014),('pSW','sW',1010,1015)):
            if st['focal']>0 and st[ps]>0:
                v = st[ps]*205/st['focal']; t = s.fixed(v, 2, "''/pixel")
                if t is not None:
                    st[sk] = v; s.set(sc, t)
        if st['pSW']>0 and st['pSL']>0:
            t = st['pSW']+st['pSL']
            for c, a, b in ((1011, 41, 68.33333333333333), (1012, 146.42857142857144, 341.6666666666667)):
                x, y = t*a, t*b
                if math.isfinite(x) and math.isfinite(y):
                    txt = ff(x,0)+'-'+ff(y,0)
                    if len(txt) <= 49: s.set(c, txt)
        if i in (1004, 1005) and st['diam']>0 and st['focal']>0:
            s.w(1006, s.fixed(st['focal']/st['diam'], 2))
            s.w(1013, s.fixed(120/st['diam'], 2, "''"))
focals = ["1250", "1249", "820", "821", "820.05", "2000", "400", "3.5", "17500", "0.1", "1e-5", "6350"]
sizes = ["9", "6.25", "7.4", "4.65", "3.8", "24", "5.4", "13.5", "2.2"]
pixels = ["768", "512", "1600", "4096", "1392", "640", "9576"]
diams = ["90", "80", "192", "203.2", "60", "356"]
objs = ["10", "8", "0.5", "31", "120", "1.25"]
digest = 14695981039346656037; sets = 0
for f in focals:
    for sz in sizes:
        for px in pixels:
            s = Sim()
            s.set(1014, objs[(sets//7)%6]); s.set(1015, objs[(sets//5)%6])
            s.set(1001, px); s.set(1000, pixels[(sets//3)%7]); s.set(1003, sz)
            s.set(1002, sizes[(sets//11)%9]); s.set(1004, diams[sets%6]); s.set(1005, f)
            for cid, t in s.sets:
                sets += 1
                for c in (str(cid) + "=" + t + "\n").encode('latin-1'):
                    digest = ((digest ^ c) * 1099511628211) % 2**64
print(sets, hex(digest))
