import java.applet.AppletStub;
import java.awt.Color;
import java.awt.Graphics2D;
import java.awt.Panel;
import java.awt.Point;
import java.awt.Rectangle;
import java.awt.event.ActionEvent;
import java.awt.event.InputEvent;
import java.awt.event.MouseEvent;
import java.awt.event.MouseWheelEvent;
import java.awt.image.BufferedImage;
import java.io.File;
import java.io.IOException;
import javax.imageio.ImageIO;
import quillon.runner.AppletPage;
import quillon.runner.PageContext;

/**
 * One applet's menu panel built from a page through the stub applet
 * context, driven by mouse events and drawn into an image, without a
 * display.
 */
final class Probe {
    final AppletPage page;
    final PageContext context;
    final BaseTabbedPanel panel;
    final Beans beans;
    BufferedImage image;

    private Probe(AppletPage page, PageContext context, BaseTabbedPanel panel) {
        this.page = page;
        this.context = context;
        this.panel = panel;
        this.beans = panel.beans;
        panel.setSize(page.width, page.height);
    }

    static Probe open(File file) throws IOException {
        AppletPage page = AppletPage.read(file);
        PageContext context = new PageContext(page);
        return new Probe(page, context, (BaseTabbedPanel) createMenu(page.code, context));
    }

    /** What the named applet's init() builds. */
    static Panel createMenu(String code, AppletStub stub) {
        switch (code) {
        case "TrellTabR.class":
            return TrellTabR.createMenu(stub);
        case "TrellTreeR.class":
            return TrellTreeR.createMenu(stub);
        case "TrellTabTreeR.class":
            return TrellTabTreeR.createMenu(stub);
        default:
            throw new IllegalArgumentException("not a menu applet: " + code);
        }
    }

    Probe render() {
        image = new BufferedImage(page.width, page.height, BufferedImage.TYPE_INT_RGB);
        Graphics2D g = image.createGraphics();
        panel.paint(g);
        g.dispose();
        return this;
    }

    void save(File folder, String name) throws IOException {
        folder.mkdirs();
        ImageIO.write(image, "png", new File(folder, name + ".png"));
    }

    Color pixel(int x, int y) {
        return new Color(image.getRGB(x, y));
    }

    Color pixel(Point p) {
        return pixel(p.x, p.y);
    }

    /** Whether any pixel of the area, clipped to the image, has the colour. */
    boolean has(Color color, Rectangle area) {
        Rectangle r = area.intersection(new Rectangle(0, 0, image.getWidth(), image.getHeight()));
        for (int y = r.y; y < r.y + r.height; y++) {
            for (int x = r.x; x < r.x + r.width; x++) {
                if ((image.getRGB(x, y) & 0xffffff) == (color.getRGB() & 0xffffff)) {
                    return true;
                }
            }
        }
        return false;
    }

    boolean has(Color color) {
        return has(color, new Rectangle(0, 0, image.getWidth(), image.getHeight()));
    }

    TreeView tree() {
        return panel instanceof TabPanel ? ((TabPanel) panel).tree() : null;
    }

    /** The middle of a visible tree row's caption. */
    Point row(String caption) {
        TreeView tree = tree();
        for (int i = 0; i < tree.rows.size(); i++) {
            if (tree.rows.get(i).text.equals(caption)) {
                Rectangle r = tree.captionBounds(i);
                return new Point(r.x + Math.min(r.width / 2, 20), r.y + r.height / 2);
            }
        }
        throw new AssertionError("no visible row " + caption);
    }

    Rectangle caption(String caption) {
        TreeView tree = tree();
        for (int i = 0; i < tree.rows.size(); i++) {
            if (tree.rows.get(i).text.equals(caption)) {
                return tree.captionBounds(i);
            }
        }
        throw new AssertionError("no visible row " + caption);
    }

    /** The middle of a tab. */
    Point tab(int index) {
        panel.ensureLayout();
        Rectangle r = panel.tabBounds.get(index);
        return new Point(r.x + r.width / 2, r.y + r.height / 2);
    }

    void move(Point p) {
        dispatch(new MouseEvent(panel, MouseEvent.MOUSE_MOVED, 0L, 0, p.x, p.y, 0, false));
    }

    void click(Point p) {
        press(p, InputEvent.BUTTON1_DOWN_MASK, MouseEvent.BUTTON1, 1);
    }

    void doubleClick(Point p) {
        press(p, InputEvent.BUTTON1_DOWN_MASK, MouseEvent.BUTTON1, 1);
        press(p, InputEvent.BUTTON1_DOWN_MASK, MouseEvent.BUTTON1, 2);
    }

    void rightClick(Point p) {
        press(p, InputEvent.BUTTON3_DOWN_MASK, MouseEvent.BUTTON3, 1);
    }

    void shiftClick(Point p) {
        press(p, InputEvent.BUTTON1_DOWN_MASK | InputEvent.SHIFT_DOWN_MASK, MouseEvent.BUTTON1, 1);
    }

    private void press(Point p, int modifiers, int button, int clicks) {
        dispatch(new MouseEvent(panel, MouseEvent.MOUSE_PRESSED, 0L, modifiers, p.x, p.y, clicks, false, button));
        dispatch(new MouseEvent(panel, MouseEvent.MOUSE_RELEASED, 0L, modifiers, p.x, p.y, clicks, false, button));
    }

    void wheel(Point p, int rotation) {
        dispatch(new MouseWheelEvent(panel, MouseEvent.MOUSE_WHEEL, 0L, 0, p.x, p.y, 0, false,
                MouseWheelEvent.WHEEL_UNIT_SCROLL, 3, rotation));
    }

    void exit() {
        dispatch(new MouseEvent(panel, MouseEvent.MOUSE_EXITED, 0L, 0, -1, -1, 0, false));
    }

    /** What the tooltip timer does when it fires. */
    void fireTooltip() {
        panel.actionPerformed(new ActionEvent(panel, ActionEvent.ACTION_PERFORMED, BaseTabbedPanel.TOOLTIP));
    }

    /** Timers would call back on the event thread at their own pace; the tests fire them by hand. */
    private void dispatch(MouseEvent e) {
        panel.dispatchEvent(e);
        panel.stopTimers();
    }

    int documents() {
        return context.shownDocuments.size();
    }

    /** The opened link as an address relative to the applet's code base, and its target. */
    String lastLink() {
        String base = page.codeBase().toString();
        return context.lastDocument().replace(base, "");
    }
}
