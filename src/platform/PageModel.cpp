#include "platform/PageModel.h"

#include <cmath>
#include <stdexcept>

TGmPageSize PaperPageSize(TGmPaperSize paper)
{
    switch (paper) {
    case gmA3: return {297.0, 420.0};
    case gmA4: return {210.0, 297.0};
    case gmA5: return {148.5, 210.0};
    case gmA6: return {105.0, 148.0};
    case gmB5: return {6.92 * 25.4, 9.84 * 25.4};
    case gmC5: return {6.38 * 25.4, 9.02 * 25.4};
    case gmLegal: return {8.5 * 25.4, 14.0 * 25.4};
    case gmLetter: return {8.5 * 25.4, 11.0 * 25.4};
    }
    throw std::invalid_argument("unknown paper size");
}

namespace {

// Draws into the model's current page; every call converts its unit to millimetres.
class PageCanvas final : public TGmCanvas {
public:
    explicit PageCanvas(TGmPageModel& model) : model_(model) {}

    void Rectangle(double x1, double y1, double x2, double y2, TGmMeasurement unit) override
    {
        model_.AddRectangle(mm(x1, unit), mm(y1, unit), mm(x2, unit), mm(y2, unit), Pen, Brush);
    }

    void TextOut(double x, double y, const std::string& text, TGmMeasurement unit) override
    {
        model_.AddText(mm(x, unit), mm(y, unit), text, Font, Brush);
    }

    void TextOutLeft(double x, double y, const std::string& text, TGmMeasurement unit) override
    {
        model_.AddText(mm(x, unit), mm(y, unit), text, Font, Brush);
    }

    TGmValue TextWidth(const std::string& text) override
    {
        return TGmValue(model_.MeasureText(Font, text), gmInches);
    }

private:
    static double mm(double value, TGmMeasurement unit) { return ConvertValue(value, unit, gmMillimeters); }

    TGmPageModel& model_;
};

} // namespace

TGmPageModel::TGmPageModel(TGmTextMeasure measure)
    : measure_(std::move(measure)), pageSize_(PaperPageSize(gmA4)), canvas_(std::make_unique<PageCanvas>(*this))
{
    if (!measure_)
        throw std::invalid_argument("A page model needs a text measure");
    Clear();
}

TGmPageModel::~TGmPageModel() = default;

void TGmPageModel::Clear()
{
    pages_.assign(1, TGmPage{pageSize_, {}});
    current_ = 0;
    fonts_.clear();
    pens_.clear();
    brushes_.clear();
    fontIndex_.clear();
    penIndex_.clear();
    brushIndex_.clear();
}

void TGmPageModel::NewPage()
{
    pages_.push_back(TGmPage{pageSize_, {}});
    current_ = static_cast<int>(pages_.size()) - 1;
}

void TGmPageModel::SetPaperSize(TGmPaperSize paper)
{
    pageSize_ = PaperPageSize(paper);
    pages_[current_].size = pageSize_;
}

void TGmPageModel::SetCustomPageSize(double width, double height, TGmMeasurement unit)
{
    const TGmPageSize size{ConvertValue(width, unit, gmMillimeters), ConvertValue(height, unit, gmMillimeters)};
    if (!(std::isfinite(size.width) && std::isfinite(size.height) && size.width > 0 && size.height > 0))
        throw std::invalid_argument("The page size must be positive");
    pageSize_ = size;
    pages_[current_].size = pageSize_;
}

TGmCanvas& TGmPageModel::Canvas()
{
    return *canvas_;
}

void TGmPageModel::AddText(double x, double y, const std::string& text, const TFont& font, const TBrush& brush)
{
    TGmTextObject object{x, y, text, poolFont(font), poolBrush(brush)};
    pages_[current_].objects.emplace_back(std::move(object));
}

void TGmPageModel::AddRectangle(double x1, double y1, double x2, double y2, const TPen& pen, const TBrush& brush)
{
    pages_[current_].objects.emplace_back(TGmRectObject{x1, y1, x2, y2, poolPen(pen), poolBrush(brush)});
}

double TGmPageModel::MeasureText(const TFont& font, const std::string& text) const
{
    return measure_(font, text);
}

namespace {

template <class T>
int pooled(const T& value, std::vector<T>& pool, std::map<T, int>& index)
{
    auto [it, added] = index.try_emplace(value, static_cast<int>(pool.size()));
    if (added)
        pool.push_back(value);
    return it->second;
}

} // namespace

int TGmPageModel::poolFont(const TFont& font) { return pooled(font, fonts_, fontIndex_); }
int TGmPageModel::poolPen(const TPen& pen) { return pooled(pen, pens_, penIndex_); }
int TGmPageModel::poolBrush(const TBrush& brush) { return pooled(brush, brushes_, brushIndex_); }
