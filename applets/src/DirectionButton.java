import java.awt.Color;
import java.awt.Graphics;

/**
 * A button showing an arrow: the scroll buttons of the tab strip and of a
 * tree that is taller than its space. The arrow drawing also serves the
 * arrow-style toggle symbols of the tree.
 */
public class DirectionButton extends ButtonBase {
    static final int UP = 0;
    static final int DOWN = 1;
    static final int LEFT = 2;
    static final int RIGHT = 3;

    final int direction;

    DirectionButton(int direction) {
        this.direction = direction;
    }

    void paintFace(Graphics g, int centreX, int centreY, Color ink) {
        int half = Math.max(2, Math.min(bounds.width, bounds.height) / 4);
        drawArrow(g, direction, centreX, centreY, half, ink);
    }

    /** A solid triangle pointing in the direction, half wide across its base, centred on the point. */
    static void drawArrow(Graphics g, int direction, int centreX, int centreY, int half, Color ink) {
        g.setColor(ink);
        int tip = half / 2;
        for (int i = 0; i <= half; i++) {
            switch (direction) {
            case UP:
                g.drawLine(centreX - i, centreY - tip + i, centreX + i, centreY - tip + i);
                break;
            case DOWN:
                g.drawLine(centreX - i, centreY + tip - i, centreX + i, centreY + tip - i);
                break;
            case LEFT:
                g.drawLine(centreX - tip + i, centreY - i, centreX - tip + i, centreY + i);
                break;
            default:
                g.drawLine(centreX + tip - i, centreY - i, centreX + tip - i, centreY + i);
                break;
            }
        }
    }
}
