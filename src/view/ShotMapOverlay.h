#pragma once
#include "solve/ShotMap.h"
#include "view/LevelOverlay.h"

#include <memory>

// The shot map over the level: where every first shot from the start ends, computed in the
// background on a copy of the level, shown once it is ready and until it is hidden or the level
// changes, with a legend of its dots in the level's bottom-left corner.
class CShotMapOverlay : public CLevelOverlay {
    Q_OBJECT
public:
    // Shows the map of the level, computing it first; Hide cancels that.
    void Show(const CLevel& level, int headings);
    void Hide();
    bool IsShown() const { return m_shown; }

    QString GetStatus() const override;
    // Nothing until the map is ready.
    void Draw(CDeviceContext& dc, const CViewGeometry& geometry, double pixelRatio) const override;

private:
    void OnFinished() override;
    void Clear() override;

    bool m_shown = false;
    // Written by the work's thread; read once it has finished.
    std::shared_ptr<CShotMap> m_computing;
    std::shared_ptr<const CShotMap> m_map;
};
