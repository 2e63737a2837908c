#pragma once
// The print preview's page model: pages of drawing objects (texts and rectangles) in page
// coordinates, with the fonts, pens and brushes they use pooled once per model. A painter
// replays the objects at any zoom or printer resolution; nothing here knows a device.
//
// Page coordinates are millimetres from the paper's top-left corner, x to the right, y down.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "platform/Canvas.h"

// Standard papers in the preview's order, portrait.
enum TGmPaperSize { gmA3, gmA4, gmA5, gmA6, gmB5, gmC5, gmLegal, gmLetter };

struct TGmPageSize {
    double width = 0.0;  // mm
    double height = 0.0; // mm
    bool operator==(const TGmPageSize&) const = default;
};

TGmPageSize PaperPageSize(TGmPaperSize paper);

// A text whose top-left corner lies at (x, y), drawn in `font` over `brush` (a solid brush
// fills the text's background), left-aligned and unclipped.
struct TGmTextObject {
    double x = 0.0;
    double y = 0.0;
    std::string text; // active code page
    int font = 0;     // index into the model's fonts
    int brush = 0;    // index into the model's brushes
};

// A rectangle from (x1, y1) to (x2, y2), filled with `brush`, outlined with `pen`.
struct TGmRectObject {
    double x1 = 0.0;
    double y1 = 0.0;
    double x2 = 0.0;
    double y2 = 0.0;
    int pen = 0;
    int brush = 0;
};

using TGmPageObject = std::variant<TGmTextObject, TGmRectObject>;

struct TGmPage {
    TGmPageSize size;
    std::vector<TGmPageObject> objects; // in drawing order; later objects lie over earlier ones
};

// Width in inches of a text in a font as it prints. The Qt side supplies it (font metrics).
using TGmTextMeasure = std::function<double(const TFont& font, const std::string& text)>;

class TGmPageModel {
public:
    explicit TGmPageModel(TGmTextMeasure measure);
    ~TGmPageModel();
    TGmPageModel(const TGmPageModel&) = delete;
    TGmPageModel& operator=(const TGmPageModel&) = delete;

    // Removes every page and the pooled fonts, pens and brushes, and leaves one empty page
    // (of the current page size) that drawing goes to.
    void Clear();
    // Appends an empty page and makes it the one drawing goes to.
    void NewPage();

    // The size of the current page and of pages added after it.
    void SetPaperSize(TGmPaperSize paper);
    // Fails with std::invalid_argument for a size that is not positive and finite.
    void SetCustomPageSize(double width, double height, TGmMeasurement unit);
    TGmPageSize PageSize() const { return pageSize_; }

    int PageCount() const { return static_cast<int>(pages_.size()); }
    const TGmPage& Page(int index) const { return pages_.at(index); }
    int CurrentPageIndex() const { return current_; }

    const std::vector<TFont>& Fonts() const { return fonts_; }
    const std::vector<TPen>& Pens() const { return pens_; }
    const std::vector<TBrush>& Brushes() const { return brushes_; }

    // Drawing surface of the current page.
    TGmCanvas& Canvas();

    // Used by the canvas: adds an object to the current page, pooling what it refers to.
    void AddText(double x, double y, const std::string& text, const TFont& font, const TBrush& brush);
    void AddRectangle(double x1, double y1, double x2, double y2, const TPen& pen, const TBrush& brush);
    double MeasureText(const TFont& font, const std::string& text) const;

private:
    int poolFont(const TFont& font);
    int poolPen(const TPen& pen);
    int poolBrush(const TBrush& brush);

    TGmTextMeasure measure_;
    TGmPageSize pageSize_;
    std::vector<TGmPage> pages_;
    int current_ = 0;
    std::vector<TFont> fonts_;
    std::vector<TPen> pens_;
    std::vector<TBrush> brushes_;
    std::map<TFont, int> fontIndex_;
    std::map<TPen, int> penIndex_;
    std::map<TBrush, int> brushIndex_;
    std::unique_ptr<TGmCanvas> canvas_;
};
