#!/usr/bin/env python3
"""A plain vectorised numpy version of the higher-rank sum, timed as a peer.

Same work as the program: the coefficients of ranks 11 to RangMax (rounded as the program
rounds them), the ranks whose A and B are both zero dropped, then the 101 samples of
sum A_k cos(x) + B_k sin(x), with cos and sin only where some coefficient needs them.
It does not round each partial sum to single precision: it is a speed peer, not a copy.

Usage: numpy_somme.py [repetitions]; prints one line per case: name, then min and median
processor time per call in ms. Run it as compare_somme.sh does: one BLAS thread, and malloc
told to keep its large blocks (otherwise every call maps, trims and faults its temporaries in
again, which costs numpy ten to twenty times more than the sum itself).
"""
import sys
import time
import timeit

import numpy as np

PI = np.float32(4.0 * np.arctan(1.0))
POINTS = 101
LARGEUR = np.float32(6800.0)
ABSCISSE = (68 * np.arange(POINTS)).astype(np.float32).astype(np.float64)


def coefficients(signal, a, k):
    """A and B of the ranks k (float64 array of whole ranks) at duty cycle a (float32)."""
    a = float(a)
    p = float(PI)
    if signal == "dents" and a in (0.0, 1.0):
        cent = 100.0 if a == 0.0 else -100.0
        b = np.round((cent / (k * p)).astype(np.float32), 3).astype(np.float32)
        return np.zeros_like(b), b
    if signal == "rectangle":
        theta = (p + p) * a * k
        A = np.sin(theta) * 100.0 / (k * p)
        B = (1.0 - np.cos(theta)) * 100.0 / (k * p)
    elif signal == "triangle":
        K = 50.0 / (k * a * (a - 1.0) * k * p * p)
        u, v, w = k * a * p + k * p, (2.0 * k) * a * p, k * a * p
        A = K * (2 * a * np.cos(u) - (2 * a - 1) * np.cos(v) + 2 * (a - 1) * np.cos(w) - 2 * a + 1)
        B = K * (2 * a * np.sin(u) - (2 * a - 1) * np.sin(v) + 2 * (a - 1) * np.sin(w))
    else:
        K = 50.0 / (k * k * a * (1.0 - a) * p * p)
        theta = (p + p) * a * k
        A = K * (np.cos(theta) - 1.0)
        B = K * np.sin(theta)
    return (np.round(A.astype(np.float32)).astype(np.float32),
            np.round(B.astype(np.float32)).astype(np.float32))


def somme_rangs_sup(signal, a, rang_max):
    k = np.arange(11, rang_max + 1, dtype=np.float64)
    A, B = coefficients(signal, a, k)
    garde = (A != 0) | (B != 0)
    k, A, B = k[garde], A[garde].astype(np.float64), B[garde].astype(np.float64)
    x = np.outer((2.0 * k) * float(PI), ABSCISSE) / float(LARGEUR)
    somme = np.zeros(POINTS)
    if A.any():
        somme += A @ np.cos(x)
    if B.any():
        somme += B @ np.sin(x)
    return somme.astype(np.float32)


CAS = [  # name as the C++ benchmark's, signal, duty cycle
    ("DentsDeScie/2000/0", "dents", 0.0),
    ("DentsDeScie/2000/1000", "dents", 1.0),
    ("DentsDeScie/2000/900", "dents", 0.9),
    ("Rectangulaire/2000/330", "rectangle", 0.33),
    ("Triangulaire/2000/330", "triangle", 0.33),
]


def main():
    repetitions = int(sys.argv[1]) if len(sys.argv) > 1 else 200
    for nom, signal, a in CAS:
        a = np.float32(a)
        somme_rangs_sup(signal, a, 2000)  # warm up
        temps = timeit.repeat(lambda: somme_rangs_sup(signal, a, 2000), number=1,
                              repeat=repetitions, timer=time.process_time)
        print(f"{nom} {min(temps) * 1e3:.4f} {float(np.median(temps)) * 1e3:.4f}")


if __name__ == "__main__":
    main()
