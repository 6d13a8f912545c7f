"""Expected results for the randomised decimal test, from Python's decimal.

Reads lines "op a b mode scale" (scale "-" for none) and prints one
canonical result per line: plain digits, no trailing fraction zeros, "0"
for zero. With --exact every result is the true one rounded once at the
scale, quotients included (taken to 300 digits), as an exact computation
would give it.
"""
import sys
from decimal import (Context, Decimal, ROUND_CEILING, ROUND_DOWN, ROUND_FLOOR,
                     ROUND_HALF_EVEN, ROUND_HALF_UP)

exact = Context(prec=300, Emax=999999, Emin=-999999)
# The platform divides to 38 digits by truncation before any scale is
# applied; 60 truncated digits give the same rounding for these operands.
quotient = Context(prec=60, rounding=ROUND_DOWN, Emax=999999, Emin=-999999)
if "--exact" in sys.argv[1:]:
    quotient = Context(prec=300, rounding=ROUND_DOWN, Emax=999999, Emin=-999999)
modes = {"0": ROUND_HALF_UP, "1": ROUND_FLOOR, "2": ROUND_CEILING, "3": ROUND_HALF_EVEN}


def canonical(d):
    if d == 0:
        return "0"
    return format(d.normalize(exact), "f")


out = []
for line in sys.stdin:
    op, a, b, mode, scale = line.split()
    a, b = Decimal(a), Decimal(b)
    if op == "add":
        r = exact.add(a, b)
    elif op == "sub":
        r = exact.subtract(a, b)
    elif op == "mul":
        r = exact.multiply(a, b)
    elif op == "div":
        r = quotient.divide(a, b)
    else:  # round
        r = a
    if scale != "-":
        r = r.quantize(Decimal(1).scaleb(-int(scale)), rounding=modes[mode], context=exact)
    out.append(canonical(r))
sys.stdout.write("\n".join(out) + "\n")
