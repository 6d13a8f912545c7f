#pragma once
// The program that judges a PDF page by drawing it as its readers will:
// `kontobok-pdf-judge`, installed beside the tool. The tool runs it in a
// child process held to limits (Ritning/PdfDrawingJudge.h) whenever a PDF
// from outside (a logo, a background) is to go into an invoice, so the
// renderers are mapped there alone, never by the tool.
//
// It draws the page with poppler's two rasterisers, each in a process of
// its own with the same limits: Splash (pdftoppm's and poppler's C++
// renderer) and cairo (poppler's GLib renderer, which most other viewers
// use). The two price some drawings very differently, so the page is
// judged by whichever costs more.
//
// Arguments: the resolution in dots per inch, and the memory in bytes each
// drawing may allocate beyond what the program holds as it starts; each
// has the processor time the program was started with. Standard input:
// the PDF. The exit status is the verdict.
namespace pdfjudge {

enum Verdict : int {
    drawn = 0,       // both renderers drew it within the limits
    unreadable = 2,  // a renderer could not open it or find its page
    tooSlow = 3,     // a renderer ran out of processor time
    tooLarge = 4,    // a renderer would have allocated more memory than it may
    failed = 5,      // a renderer crashed
    killed = 6,      // a renderer was killed from outside, not by a limit
};

}  // namespace pdfjudge
