import java.awt.Color;
import java.awt.Graphics;
import java.awt.Rectangle;

/**
 * A small push button that its host panel draws and hit-tests itself, so
 * the menu needs no native widgets: bounds, pressed state and a bevel that
 * sinks while the button is held.
 */
public class ButtonBase {
    static final Color FACE = new Color(212, 208, 200);

    final Rectangle bounds = new Rectangle();
    boolean visible;
    boolean enabled = true;
    boolean pressed;

    boolean contains(int x, int y) {
        return visible && bounds.contains(x, y);
    }

    void paint(Graphics g) {
        if (!visible || bounds.width <= 0 || bounds.height <= 0) {
            return;
        }
        Rectangle r = bounds;
        g.setColor(FACE);
        g.fillRect(r.x, r.y, r.width, r.height);
        Color light = Color.white;
        Color dark = Beans.mix(FACE, Color.black, 40);
        int right = r.x + r.width - 1;
        int bottom = r.y + r.height - 1;
        g.setColor(pressed ? dark : light);
        g.drawLine(r.x, r.y, right, r.y);
        g.drawLine(r.x, r.y, r.x, bottom);
        g.setColor(pressed ? light : dark);
        g.drawLine(r.x, bottom, right, bottom);
        g.drawLine(right, r.y, right, bottom);
        int shift = pressed ? 1 : 0;
        paintFace(g, r.x + r.width / 2 + shift, r.y + r.height / 2 + shift,
                enabled ? Color.black : Beans.mix(FACE, Color.black, 30));
    }

    /** Draws the button's symbol around its centre. */
    void paintFace(Graphics g, int centreX, int centreY, Color ink) {
    }
}
