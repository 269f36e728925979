import java.applet.Applet;
import java.applet.AppletStub;
import java.awt.BorderLayout;
import java.awt.Panel;

/**
 * The Tab applet: a row of tabs, each a link, configured by the PARAM tags
 * of its page. The applet is only a shell: the menu is a panel built from
 * the applet stub, which a test can supply without a browser.
 */
public class TrellTabR extends Applet implements AppletStub {
    private static final long serialVersionUID = 1L;

    private BaseTabbedPanel menu;

    /** The menu panel for the page's parameters, as init() builds it. */
    public static Panel createMenu(AppletStub stub) {
        return new BaseTabbedPanel(new Beans(stub, Beans.TAB), true);
    }

    public void init() {
        menu = (BaseTabbedPanel) createMenu(this);
        setBackground(menu.getBackground());
        setLayout(new BorderLayout());
        add("Center", menu);
    }

    public void stop() {
        if (menu != null) {
            menu.stopTimers();
        }
    }

    /** The applet serves as the stub of its own menu. */
    public void appletResize(int width, int height) {
        resize(width, height);
    }

    /** Names the applet and the notice the page carries. */
    public String getAppletInfo() {
        String notice = getParameter("Copyright");
        return "Quillon menu applet TrellTabR" + (notice == null ? "" : ". " + notice);
    }
}
