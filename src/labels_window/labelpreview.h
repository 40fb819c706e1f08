#pragma once

#include <QImage>
#include <QWidget>

#include <memory>

namespace Velmora {

class LabelPages;

// The first page as it will print, labels' outlines included, as large as
// the widget allows at the paper's proportions.
class LabelPreview : public QWidget
{
    Q_OBJECT

public:
    explicit LabelPreview(QWidget *parent = nullptr);

    // None: no sheet to show.
    void setPages(std::shared_ptr<const LabelPages> pages);
    // The page painted for the widget's present size, in device pixels.
    QImage pageImage() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::shared_ptr<const LabelPages> m_pages;
};

} // namespace Velmora
