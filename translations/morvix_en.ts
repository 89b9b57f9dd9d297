<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>MoxText</name>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>会话已超时，请重新登录服务器。</source>
        <translation>The session has expired. Please log in to the server again.</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>您确定要退出 %1吗？</source>
        <translation>Are you sure you want to exit %1?</translation>
    </message>
    <message>
        <source>此页将显示：%1</source>
        <translation>This page shows: %1</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>导航</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>正在删除第 %1 条，共 %2 条，请稍候....</source>
        <translation>Deleting item %1 of %2, please wait....</translation>
    </message>
    <message>
        <source>您确定要停止删除吗？已删除的规则不会恢复。</source>
        <translation>Are you sure you want to stop deleting? Rules already deleted are not restored.</translation>
    </message>
    <message>
        <source>正在刷新列表，请稍候....</source>
        <translation>Refreshing the list, please wait....</translation>
    </message>
    <message>
        <source>停止删除</source>
        <translation>Stop deleting</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>帮助页面在浏览器中打开。</source>
        <translation>The help page opens in the browser.</translation>
    </message>
    <message>
        <source>打开帮助</source>
        <translation>Open help</translation>
    </message>
    <message>
        <source>查看帮助</source>
        <translation>View help</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>文本文件(*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>您确定要删除此白名单吗？</source>
        <translation>Are you sure you want to delete this white-list entry?</translation>
    </message>
    <message>
        <source>您确定要删除选择的黑名单吗？</source>
        <translation>Are you sure you want to delete the selected black-list entries?</translation>
    </message>
    <message>
        <source>正在删除选中的黑名单列表，请稍候 .......</source>
        <translation>Deleting the selected black-list entries, please wait .......</translation>
    </message>
    <message>
        <source>您确定要停止删除黑名单列表吗？</source>
        <translation>Are you sure you want to stop deleting black-list entries?</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>IP低地址</source>
        <translation>Low IP address</translation>
    </message>
    <message>
        <source>IP高地址</source>
        <translation>High IP address</translation>
    </message>
    <message>
        <source>有效期</source>
        <translation>Expiry</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>白名单列表</source>
        <translation>White list</translation>
    </message>
    <message>
        <source>黑名单列表</source>
        <translation>Black list</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>添加黑名单配置</source>
        <translation>Add a black-list entry</translation>
    </message>
    <message>
        <source>修改选中的黑名单信息</source>
        <translation>Modify the selected black-list entry</translation>
    </message>
    <message>
        <source>按 Ctrl 或 Shift 键多选可批量删除黑名单列表</source>
        <translation>Hold Ctrl or Shift to select several black-list entries to delete</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>刷新黑名单列表</source>
        <translation>Refresh the black list</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>导入黑名单列表</source>
        <translation>Import a black list</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>导出黑名单列表</source>
        <translation>Export the black list</translation>
    </message>
    <message>
        <source>正在导入黑名单列表，请稍候 .......</source>
        <translation>Importing the black list, please wait .......</translation>
    </message>
    <message>
        <source>您确定要停止导入黑名单列表吗？</source>
        <translation>Are you sure you want to stop importing the black list?</translation>
    </message>
    <message>
        <source>停止导入</source>
        <translation>Stop importing</translation>
    </message>
    <message>
        <source>访问地址URL</source>
        <translation>Source URL</translation>
    </message>
    <message>
        <source>转向地址URL</source>
        <translation>Target URL</translation>
    </message>
    <message>
        <source>大小写</source>
        <translation>Case</translation>
    </message>
    <message>
        <source>转向逻辑</source>
        <translation>Rewrite logic</translation>
    </message>
    <message>
        <source>备注说明</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>按 Ctrl 或 Shift 键多选可批量删除转向规则列表</source>
        <translation>Hold Ctrl or Shift to select several rewrite rules to delete</translation>
    </message>
    <message>
        <source>修改选中的转向规则</source>
        <translation>Modify the selected rewrite rule</translation>
    </message>
    <message>
        <source>刷新转向规则列表</source>
        <translation>Refresh the rewrite rules</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>向上移动转向规则</source>
        <translation>Move the rewrite rule up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>向下移动转向规则</source>
        <translation>Move the rewrite rule down</translation>
    </message>
    <message>
        <source>增加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>添加转向规则</source>
        <translation>Add a rewrite rule</translation>
    </message>
    <message>
        <source>导入规则</source>
        <translation>Import rules</translation>
    </message>
    <message>
        <source>导出规则</source>
        <translation>Export rules</translation>
    </message>
    <message>
        <source>您确定要删除选择的转向配置信息吗？</source>
        <translation>Are you sure you want to delete the selected rewrite rules?</translation>
    </message>
    <message>
        <source>删除转向规则</source>
        <translation>Delete rewrite rules</translation>
    </message>
    <message>
        <source>正在删除选中的转向列表，请稍候 .......</source>
        <translation>Deleting the selected rewrite rules, please wait .......</translation>
    </message>
    <message>
        <source>您确定要停止删除转向列表吗？</source>
        <translation>Are you sure you want to stop deleting rewrite rules?</translation>
    </message>
    <message>
        <source>转向管理</source>
        <translation>Rewrites</translation>
    </message>
    <message>
        <source>转向规则列表</source>
        <translation>Rewrite rules</translation>
    </message>
    <message>
        <source>增加转向配置</source>
        <translation>Add a rewrite rule</translation>
    </message>
    <message>
        <source>修改转向配置</source>
        <translation>Modify a rewrite rule</translation>
    </message>
    <message>
        <source>转向配置</source>
        <translation>Rewrite rule</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>不忽略</source>
        <translation>Do not ignore</translation>
    </message>
    <message>
        <source>访问地址URL：</source>
        <translation>Source URL:</translation>
    </message>
    <message>
        <source>转向地址URL：</source>
        <translation>Target URL:</translation>
    </message>
    <message>
        <source>转向逻辑：</source>
        <translation>Rewrite logic:</translation>
    </message>
    <message>
        <source>忽略大小写：</source>
        <translation>Ignore case:</translation>
    </message>
    <message>
        <source>备注说明：</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>白名单</source>
        <translation>White list</translation>
    </message>
    <message>
        <source>黑名单</source>
        <translation>Black list</translation>
    </message>
    <message>
        <source>结束地址</source>
        <translation>End address</translation>
    </message>
    <message>
        <source>IP地址段：</source>
        <translation>IP range:</translation>
    </message>
    <message>
        <source>有效期：</source>
        <translation>Expiry:</translation>
    </message>
    <message>
        <source>备注：</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>白名单管理</source>
        <translation>White list</translation>
    </message>
    <message>
        <source>启用白名单功能（默认不开启）</source>
        <translation>Turn on the white list (off by default)</translation>
    </message>
    <message>
        <source>1、启用白名单功能后，将只允许白名单用户访问缓存服务器，否则将返回 403 Forbidden - By WhiteList 提示。</source>
        <translation>1. With the white list on, only white-listed users may use the cache server; others get &quot;403 Forbidden - By WhiteList&quot;.</translation>
    </message>
    <message>
        <source>2、当缓存部署在公网环境时，为避免被攻击，常用于限定访问范围。</source>
        <translation>2. Often used to limit access when the cache faces the public Internet, to avoid attacks.</translation>
    </message>
    <message>
        <source>黑名单管理</source>
        <translation>Black list</translation>
    </message>
    <message>
        <source>黑名单说明：</source>
        <translation>About the black list:</translation>
    </message>
    <message>
        <source>1、禁止黑名单用户访问缓存服务器，并返回 403 Forbidden - By BlackList 提示。</source>
        <translation>1. Black-listed users may not use the cache server; they get &quot;403 Forbidden - By BlackList&quot;.</translation>
    </message>
    <message>
        <source>2、黑名单比白名单优先级高。</source>
        <translation>2. The black list takes precedence over the white list.</translation>
    </message>
    <message>
        <source>2、按 Ctrl 或者 Shift 键多选可以批量删除黑名单列表。</source>
        <translation>2. Hold Ctrl or Shift to select several black-list entries to delete.</translation>
    </message>
    <message>
        <source>您确定要开启白名单功能吗？</source>
        <translation>Are you sure you want to turn on the white list?</translation>
    </message>
    <message>
        <source>您确定要关闭白名单功能吗？</source>
        <translation>Are you sure you want to turn off the white list?</translation>
    </message>
    <message>
        <source>增加会话缓存</source>
        <translation>Add a session cache rule</translation>
    </message>
    <message>
        <source>修改会话缓存</source>
        <translation>Modify a session cache rule</translation>
    </message>
    <message>
        <source>会话缓存</source>
        <translation>Session cache</translation>
    </message>
    <message>
        <source>忽略大小写 </source>
        <translation>Ignore case </translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>登录验证地址URL：</source>
        <translation>Login check URL:</translation>
    </message>
    <message>
        <source>匹配规则：</source>
        <translation>Match rule:</translation>
    </message>
    <message>
        <source>会话ID变量名：</source>
        <translation>Session ID variable:</translation>
    </message>
    <message>
        <source>超时周期：</source>
        <translation>Timeout:</translation>
    </message>
    <message>
        <source>增加页面缓存</source>
        <translation>Add a page cache rule</translation>
    </message>
    <message>
        <source>修改页面缓存</source>
        <translation>Modify a page cache rule</translation>
    </message>
    <message>
        <source>页面缓存</source>
        <translation>Page cache</translation>
    </message>
    <message>
        <source>忽略大小写</source>
        <translation>Ignore case</translation>
    </message>
    <message>
        <source>允许</source>
        <translation>Allow</translation>
    </message>
    <message>
        <source>不允许</source>
        <translation>Do not allow</translation>
    </message>
    <message>
        <source>缓存周期单位</source>
        <translation>Cache period unit</translation>
    </message>
    <message>
        <source>缓存 URL：</source>
        <translation>Cache URL:</translation>
    </message>
    <message>
        <source>缓存周期：</source>
        <translation>Cache period:</translation>
    </message>
    <message>
        <source>缓存开放权限：</source>
        <translation>Cache access:</translation>
    </message>
    <message>
        <source>忽略Set-Cookie：</source>
        <translation>Ignore Set-Cookie:</translation>
    </message>
    <message>
        <source>允许硬盘缓存：</source>
        <translation>Allow disk cache:</translation>
    </message>
    <message>
        <source>增加拒绝缓存</source>
        <translation>Add a refuse-cache rule</translation>
    </message>
    <message>
        <source>修改拒绝缓存</source>
        <translation>Modify a refuse-cache rule</translation>
    </message>
    <message>
        <source>拒绝缓存</source>
        <translation>Refuse cache</translation>
    </message>
    <message>
        <source>拒绝双缓存</source>
        <translation>Refuse both caches</translation>
    </message>
    <message>
        <source>只拒绝硬盘缓存</source>
        <translation>Refuse disk cache only</translation>
    </message>
    <message>
        <source>拒绝缓存 URL：</source>
        <translation>Refuse-cache URL:</translation>
    </message>
    <message>
        <source>拒绝缓存位置：</source>
        <translation>Refused cache:</translation>
    </message>
    <message>
        <source>备       注：</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>清理缓存</source>
        <translation>Clean cache</translation>
    </message>
    <message>
        <source>按下列条件清理已缓存的页面：</source>
        <translation>Clean cached pages matching:</translation>
    </message>
    <message>
        <source>按以上条件清除已缓存页面</source>
        <translation>Clean cached pages matching the above</translation>
    </message>
    <message>
        <source>您确定要清理所列条件匹配到的已缓存的页面吗？</source>
        <translation>Are you sure you want to clean the cached pages matching these conditions?</translation>
    </message>
    <message>
        <source>同步操作集群内全部服务器</source>
        <translation>Apply to every server of the cluster</translation>
    </message>
    <message>
        <source>按下列URL地址清理缓存页面：</source>
        <translation>Clean cached pages by URL:</translation>
    </message>
    <message>
        <source>清理</source>
        <translation>Clean</translation>
    </message>
    <message>
        <source>选择目录</source>
        <translation>Choose folder</translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation>Choose file</translation>
    </message>
    <message>
        <source>文件：</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>开始导出</source>
        <translation>Start export</translation>
    </message>
    <message>
        <source>开始导入</source>
        <translation>Start import</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>请选择缓存规则导出目录</source>
        <translation>Choose the folder to export the cache rules to</translation>
    </message>
    <message>
        <source>请选择缓存规则导入文件</source>
        <translation>Choose the file to import the cache rules from</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Export finished</translation>
    </message>
    <message>
        <source>导入完成</source>
        <translation>Import finished</translation>
    </message>
    <message>
        <source>页面缓存帮助已在浏览器中打开。</source>
        <translation>The page cache help has opened in the browser.</translation>
    </message>
    <message>
        <source>再次打开帮助</source>
        <translation>Open help again</translation>
    </message>
    <message>
        <source>页面缓存列表</source>
        <translation>Page cache rules</translation>
    </message>
    <message>
        <source>拒绝缓存列表</source>
        <translation>Refuse-cache rules</translation>
    </message>
    <message>
        <source>会话缓存列表</source>
        <translation>Session cache rules</translation>
    </message>
    <message>
        <source>清理已缓存的页面</source>
        <translation>Clean cached pages</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>页面缓存帮助</source>
        <translation>Page cache help</translation>
    </message>
    <message>
        <source>缓存地址</source>
        <translation>Cache URL</translation>
    </message>
    <message>
        <source>匹配规则</source>
        <translation>Match rule</translation>
    </message>
    <message>
        <source>超时周期</source>
        <translation>Timeout</translation>
    </message>
    <message>
        <source>开放权限</source>
        <translation>Access</translation>
    </message>
    <message>
        <source>硬盘缓存</source>
        <translation>Disk cache</translation>
    </message>
    <message>
        <source>添加页面缓存规则</source>
        <translation>Add a page cache rule</translation>
    </message>
    <message>
        <source>按 Ctrl 或 Shift 键多选可批量删除页面缓存规则</source>
        <translation>Hold Ctrl or Shift to select several page cache rules to delete</translation>
    </message>
    <message>
        <source>刷新页面缓存规则列表</source>
        <translation>Refresh the page cache rules</translation>
    </message>
    <message>
        <source>向上移动页面缓存规则</source>
        <translation>Move the page cache rule up</translation>
    </message>
    <message>
        <source>向下移动页面缓存规则</source>
        <translation>Move the page cache rule down</translation>
    </message>
    <message>
        <source>修改选中的页面缓存规则</source>
        <translation>Modify the selected page cache rule</translation>
    </message>
    <message>
        <source>访问监控</source>
        <translation>Request monitor</translation>
    </message>
    <message>
        <source>实时监控此规则的访问请求</source>
        <translation>Watch this rule&apos;s requests live</translation>
    </message>
    <message>
        <source>您确定要删除选择的页面缓存规则吗？</source>
        <translation>Are you sure you want to delete the selected page cache rules?</translation>
    </message>
    <message>
        <source>删除页面缓存规则</source>
        <translation>Delete page cache rules</translation>
    </message>
    <message>
        <source>登录验证地址URL</source>
        <translation>Login check URL</translation>
    </message>
    <message>
        <source>会话ID变量名</source>
        <translation>Session ID variable</translation>
    </message>
    <message>
        <source>缓存周期</source>
        <translation>Cache period</translation>
    </message>
    <message>
        <source>添加会话缓存规则</source>
        <translation>Add a session cache rule</translation>
    </message>
    <message>
        <source>按 Ctrl 或 Shift 键多选可批量删除会话缓存规则</source>
        <translation>Hold Ctrl or Shift to select several session cache rules to delete</translation>
    </message>
    <message>
        <source>刷新会话缓存规则列表</source>
        <translation>Refresh the session cache rules</translation>
    </message>
    <message>
        <source>向上移动会话缓存规则</source>
        <translation>Move the session cache rule up</translation>
    </message>
    <message>
        <source>向下移动会话缓存规则</source>
        <translation>Move the session cache rule down</translation>
    </message>
    <message>
        <source>修改选中的会话缓存规则</source>
        <translation>Modify the selected session cache rule</translation>
    </message>
    <message>
        <source>您确定要删除选择的回话缓存规则吗？</source>
        <translation>Are you sure you want to delete the selected session cache rules?</translation>
    </message>
    <message>
        <source>删除会话缓存规则</source>
        <translation>Delete session cache rules</translation>
    </message>
    <message>
        <source>拒绝缓存地址URL</source>
        <translation>Refuse-cache URL</translation>
    </message>
    <message>
        <source>拒绝开放权限</source>
        <translation>Refused access</translation>
    </message>
    <message>
        <source>拒绝缓存位置</source>
        <translation>Refused cache</translation>
    </message>
    <message>
        <source>添加拒绝缓存规则</source>
        <translation>Add a refuse-cache rule</translation>
    </message>
    <message>
        <source>按 Ctrl 或 Shift 键多选可批量删除拒绝缓存规则</source>
        <translation>Hold Ctrl or Shift to select several refuse-cache rules to delete</translation>
    </message>
    <message>
        <source>刷新拒绝缓存规则列表</source>
        <translation>Refresh the refuse-cache rules</translation>
    </message>
    <message>
        <source>向上移动拒绝缓存规则</source>
        <translation>Move the refuse-cache rule up</translation>
    </message>
    <message>
        <source>向下移动拒绝缓存规则</source>
        <translation>Move the refuse-cache rule down</translation>
    </message>
    <message>
        <source>修改选中的拒绝缓存规则</source>
        <translation>Modify the selected refuse-cache rule</translation>
    </message>
    <message>
        <source>您确定要删除选择的拒绝缓存规则吗？</source>
        <translation>Are you sure you want to delete the selected refuse-cache rules?</translation>
    </message>
    <message>
        <source>删除拒绝缓存规则</source>
        <translation>Delete refuse-cache rules</translation>
    </message>
    <message>
        <source>修改集群配置</source>
        <translation>Change cluster settings</translation>
    </message>
    <message>
        <source>不加入集群</source>
        <translation>Not in a cluster</translation>
    </message>
    <message>
        <source>集群主服务器(Master Server)</source>
        <translation>Cluster master (Master Server)</translation>
    </message>
    <message>
        <source>集群从服务器(Slave Server)</source>
        <translation>Cluster slave (Slave Server)</translation>
    </message>
    <message>
        <source>显示或重设本服务器集群角色：</source>
        <translation>Show or reset this server&apos;s cluster role:</translation>
    </message>
    <message>
        <source>修改当前集群配置</source>
        <translation>Change the cluster settings</translation>
    </message>
    <message>
        <source>[系统随机生成序列号]</source>
        <translation>[serial generated by the system]</translation>
    </message>
    <message>
        <source>集群内从服务器名称</source>
        <translation>Slave name</translation>
    </message>
    <message>
        <source>服务器IP</source>
        <translation>Server IP</translation>
    </message>
    <message>
        <source>登录时间</source>
        <translation>Logged in</translation>
    </message>
    <message>
        <source>当前状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>刷新集群状态</source>
        <translation>Refresh cluster status</translation>
    </message>
    <message>
        <source>设定本服务器为 Morvix 集群主服务器（Master Server）：</source>
        <translation>Make this server the Morvix cluster master (Master Server):</translation>
    </message>
    <message>
        <source>默认：7780，范围：[1 - 65534] </source>
        <translation>Default: 7780, range: [1 - 65534] </translation>
    </message>
    <message>
        <source>本服务器集群状态：</source>
        <translation>This server&apos;s cluster status:</translation>
    </message>
    <message>
        <source>设定本服务器为 Morvix 集群从服务器（Slave Server）：</source>
        <translation>Make this server a Morvix cluster slave (Slave Server):</translation>
    </message>
    <message>
        <source>说明：与集群主服务器此配置保持一致。</source>
        <translation>Must match the master&apos;s setting.</translation>
    </message>
    <message>
        <source>说明：此名称一定要区别于其它从服务器。</source>
        <translation>Must differ from every other slave&apos;s name.</translation>
    </message>
    <message>
        <source>集群</source>
        <translation>Cluster</translation>
    </message>
    <message>
        <source>请输入集群主服务器的服务端口,默认：7780，范围：[1 - 65534]</source>
        <translation>Enter the master&apos;s service port, default: 7780, range: [1 - 65534]</translation>
    </message>
    <message>
        <source>请输入集群主服务器验证序列号。</source>
        <translation>Enter the master&apos;s check serial.</translation>
    </message>
    <message>
        <source>请输入集群主服务器的IP和端口,例如：192.168.1.10:7780</source>
        <translation>Enter the master&apos;s IP and port, e.g. 192.168.1.10:7780</translation>
    </message>
    <message>
        <source>请输入本服务器名称。</source>
        <translation>Enter this server&apos;s name.</translation>
    </message>
    <message>
        <source>硬盘缓存配置</source>
        <translation>Disk cache settings</translation>
    </message>
    <message>
        <source>硬盘缓存目录</source>
        <translation>Disk cache folders</translation>
    </message>
    <message>
        <source>开启硬盘缓存（开启前请配置硬盘缓存目录）：</source>
        <translation>Turn on the disk cache (set its folders first):</translation>
    </message>
    <message>
        <source>开启硬盘缓存</source>
        <translation>Turn on disk cache</translation>
    </message>
    <message>
        <source>你确定要开启硬盘缓存功能吗？</source>
        <translation>Are you sure you want to turn on the disk cache?</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>你确定要暂停硬盘缓存功能吗？</source>
        <translation>Are you sure you want to pause the disk cache?</translation>
    </message>
    <message>
        <source>缓存目录 %1</source>
        <translation>Cache folder %1</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;note&quot;&gt;备注&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;note&quot;&gt;Note&lt;/a&gt;</translation>
    </message>
    <message>
        <source>备注 %1</source>
        <translation>Note %1</translation>
    </message>
    <message>
        <source>启用</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>你确定要暂停此缓存区目录的使用吗？</source>
        <translation>Are you sure you want to pause this cache folder?</translation>
    </message>
    <message>
        <source>你确定要取消此缓存区目录吗？</source>
        <translation>Are you sure you want to remove this cache folder?</translation>
    </message>
    <message>
        <source>你确定要启用此缓存区目录吗？</source>
        <translation>Are you sure you want to enable this cache folder?</translation>
    </message>
    <message>
        <source>MB，可设置范围：[32 - 最大剩余内存]，重启后生效！</source>
        <translation>MB, range: [32 - largest free memory], takes effect after a restart!</translation>
    </message>
    <message>
        <source>MB，可设置范围：[32 - 1500]，重启后生效！</source>
        <translation>MB, range: [32 - 1500], takes effect after a restart!</translation>
    </message>
    <message>
        <source>保存所有配置</source>
        <translation>Save all settings</translation>
    </message>
    <message>
        <source>是否开启缓存加速功能</source>
        <translation>Turn on cache acceleration</translation>
    </message>
    <message>
        <source>立刻开启硬盘缓存（开启前需配置好缓存目录）：</source>
        <translation>Turn on the disk cache now (set its folders first):</translation>
    </message>
    <message>
        <source>提示：平均情况下，1G 缓存索引可加速访问 2T 硬盘缓存。</source>
        <translation>Tip: on average, 1 GB of cache index serves 2 TB of disk cache.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;help&quot;&gt;&amp;lt;系统帮助&amp;gt;&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;help&quot;&gt;&amp;lt;System help&amp;gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>系统帮助</source>
        <translation>System help</translation>
    </message>
    <message>
        <source>注：此项配置比较关键，设定前请参考</source>
        <translation>Note: this setting matters; before setting it, see</translation>
    </message>
    <message>
        <source>提示：当前系统物理内存为：%1 MB，最大推荐配置为：%2 MB，更大内存支持请选择 64 位版本。</source>
        <translation>Tip: the system has %1 MB of physical memory; the largest recommended setting is %2 MB. For more memory choose the 64-bit version.</translation>
    </message>
    <message>
        <source>提示：当前系统物理内存为：%1 MB，最大推荐配置为：%2 MB。</source>
        <translation>Tip: the system has %1 MB of physical memory; the largest recommended setting is %2 MB.</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>已宕机</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>负载均衡：</source>
        <translation>Load balancing:</translation>
    </message>
    <message>
        <source>集群主机 IP</source>
        <translation>Cluster host IP</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>解析量</source>
        <translation>Lookups</translation>
    </message>
    <message>
        <source>宕机时间</source>
        <translation>Down since</translation>
    </message>
    <message>
        <source>集群主机列表</source>
        <translation>Cluster hosts</translation>
    </message>
    <message>
        <source>您确定要将负载均衡模式修改为“%1”吗？</source>
        <translation>Are you sure you want to change the load-balancing mode to &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>宕机时将显示 Morvix 宕机时间</source>
        <translation>Shows when Morvix went down</translation>
    </message>
    <message>
        <source>集群主机已暂停</source>
        <translation>Cluster host paused</translation>
    </message>
    <message>
        <source>您确定要删除此负载主机吗？</source>
        <translation>Are you sure you want to delete this load-balanced host?</translation>
    </message>
    <message>
        <source>启用（默认）</source>
        <translation>Enabled (default)</translation>
    </message>
    <message>
        <source>集群主机 IP：</source>
        <translation>Cluster host IP:</translation>
    </message>
    <message>
        <source>启用状态：</source>
        <translation>Enabled:</translation>
    </message>
    <message>
        <source>宕机检测：</source>
        <translation>Down check:</translation>
    </message>
    <message>
        <source>DNS缓存列表</source>
        <translation>DNS cache list</translation>
    </message>
    <message>
        <source>上游 DNS 地址%1：</source>
        <translation>Upstream DNS %1:</translation>
    </message>
    <message>
        <source>必填</source>
        <translation>Required</translation>
    </message>
    <message>
        <source>可选</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>限定最大 DNS 缓存数量：</source>
        <translation>Most DNS cache entries:</translation>
    </message>
    <message>
        <source>个，默认：50000，范围：[1 - 200000]</source>
        <translation>entries, default: 50000, range: [1 - 200000]</translation>
    </message>
    <message>
        <source>限定 DNS 最小缓存时间：</source>
        <translation>Shortest DNS cache time:</translation>
    </message>
    <message>
        <source>秒，默认：300，范围：[60 - 1800]</source>
        <translation>s, default: 300, range: [60 - 1800]</translation>
    </message>
    <message>
        <source>修改上游 DNS 列表时同步刷新一次 DNS 缓存列表</source>
        <translation>Flush the DNS cache when the upstream DNS list changes</translation>
    </message>
    <message>
        <source>开启 DNS 缓存服务</source>
        <translation>Turn on the DNS cache service</translation>
    </message>
    <message>
        <source>当前 DNS 缓存数量：0 个。</source>
        <translation>DNS cache entries now: 0.</translation>
    </message>
    <message>
        <source>&lt;有效缓存&gt;</source>
        <translation>&lt;Valid entries&gt;</translation>
    </message>
    <message>
        <source>&lt;清理缓存&gt;</source>
        <translation>&lt;Clean cache&gt;</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>开启</source>
        <translation>Turn on</translation>
    </message>
    <message>
        <source>你确定要开启 DNS 缓存功能吗？</source>
        <translation>Are you sure you want to turn on the DNS cache?</translation>
    </message>
    <message>
        <source>你确定要关闭 DNS 缓存功能吗？</source>
        <translation>Are you sure you want to turn off the DNS cache?</translation>
    </message>
    <message>
        <source>你确定要清理所有已缓存的 DNS 吗？</source>
        <translation>Are you sure you want to clean every cached DNS entry?</translation>
    </message>
    <message>
        <source>提示：当前 DNS 缓存数量：%1 个。</source>
        <translation>Tip: DNS cache entries now: %1.</translation>
    </message>
    <message>
        <source>开启域名劫持功能（关闭劫持后页面访问将在1分钟内逐渐回源，不再流经 Morvix，一般用于临时性关闭缓存服务）</source>
        <translation>Turn on domain redirection (once off, pages go back to the origin within a minute and no longer pass through Morvix; usually to turn caching off for a while)</translation>
    </message>
    <message>
        <source>域名劫持列表</source>
        <translation>Redirected domains</translation>
    </message>
    <message>
        <source>拒绝劫持</source>
        <translation>Do not redirect</translation>
    </message>
    <message>
        <source>查找域名</source>
        <translation>Find domain</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>支持模糊查找</source>
        <translation>Partial names match</translation>
    </message>
    <message>
        <source>允许劫持</source>
        <translation>Redirect</translation>
    </message>
    <message>
        <source>你确定要开启域名劫持功能吗？</source>
        <translation>Are you sure you want to turn on domain redirection?</translation>
    </message>
    <message>
        <source>你确定要关闭域名劫持功能吗？</source>
        <translation>Are you sure you want to turn off domain redirection?</translation>
    </message>
    <message>
        <source>要修改的劫持域名已经不在列表中，修改没有提交。</source>
        <translation>The redirected domain to modify is no longer in the list; the change was not sent.</translation>
    </message>
    <message>
        <source>您确定要删除所有选中的自定义劫持域名吗？</source>
        <translation>Are you sure you want to delete every selected custom redirected domain?</translation>
    </message>
    <message>
        <source>正在删除选中的自定义劫持域名，请稍候 .......</source>
        <translation>Deleting the selected custom redirected domains, please wait .......</translation>
    </message>
    <message>
        <source>您确定要停止删除自定义劫持域名吗？</source>
        <translation>Are you sure you want to stop deleting custom redirected domains?</translation>
    </message>
    <message>
        <source>导出自定义劫持列表</source>
        <translation>Export custom redirects</translation>
    </message>
    <message>
        <source>导入自定义劫持列表</source>
        <translation>Import custom redirects</translation>
    </message>
    <message>
        <source>正在导入自定义劫持域名，请稍候……</source>
        <translation>Importing custom redirected domains, please wait……</translation>
    </message>
    <message>
        <source>您确定要停止导入自定义劫持域名吗？</source>
        <translation>Are you sure you want to stop importing custom redirected domains?</translation>
    </message>
    <message>
        <source>&lt;默认为 Morvix 服务器 IP 地址&gt;</source>
        <translation>&lt;defaults to the Morvix server&apos;s IP address&gt;</translation>
    </message>
    <message>
        <source>允许劫持 (默认)</source>
        <translation>Redirect (default)</translation>
    </message>
    <message>
        <source>域名：</source>
        <translation>Domain:</translation>
    </message>
    <message>
        <source>IP：</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>劫持：</source>
        <translation>Redirect:</translation>
    </message>
    <message>
        <source>域名中不能含有“/”、“#”或空白。</source>
        <translation>A domain cannot hold &quot;/&quot;, &quot;#&quot; or blanks.</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>域名</source>
        <translation>Domain</translation>
    </message>
    <message>
        <source>域名解析量统计</source>
        <translation>Domain lookups</translation>
    </message>
    <message>
        <source>您确定要开启“%1”的缓存加速吗？</source>
        <translation>Are you sure you want to turn on cache acceleration for &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>您确定要暂停“%1”的缓存加速吗？</source>
        <translation>Are you sure you want to pause cache acceleration for &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>系统配置</source>
        <translation>System settings</translation>
    </message>
    <message>
        <source>流量统计报告选项：</source>
        <translation>Traffic report options:</translation>
    </message>
    <message>
        <source>每天固定时间生成流量统计报告，固定生成时间：</source>
        <translation>Make the traffic report every day at a fixed time:</translation>
    </message>
    <message>
        <source>周期性生成流量统计报告，周期性生成间隔时间：</source>
        <translation>Make the traffic report periodically, every:</translation>
    </message>
    <message>
        <source>固定生成时间</source>
        <translation>Fixed time</translation>
    </message>
    <message>
        <source>点，[0 - 23]</source>
        <translation>o&apos;clock, [0 - 23]</translation>
    </message>
    <message>
        <source>周期性生成间隔时间</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>小时，[1 - 240]</source>
        <translation>hours, [1 - 240]</translation>
    </message>
    <message>
        <source>保存设置</source>
        <translation>Save settings</translation>
    </message>
    <message>
        <source>停止缓存加速功能</source>
        <translation>Stop cache acceleration</translation>
    </message>
    <message>
        <source>开启缓存加速功能</source>
        <translation>Start cache acceleration</translation>
    </message>
    <message>
        <source>暂停缓存服务</source>
        <translation>Pause caching</translation>
    </message>
    <message>
        <source>启用缓存服务</source>
        <translation>Resume caching</translation>
    </message>
    <message>
        <source>停止流量统计功能</source>
        <translation>Stop traffic statistics</translation>
    </message>
    <message>
        <source>启用流量统计功能</source>
        <translation>Start traffic statistics</translation>
    </message>
    <message>
        <source> 是否开启缓存加速功能</source>
        <translation> Turn on cache acceleration</translation>
    </message>
    <message>
        <source>是否启用流量统计功能</source>
        <translation>Turn on traffic statistics</translation>
    </message>
    <message>
        <source>缓存Url</source>
        <translation>Cache URL</translation>
    </message>
    <message>
        <source>获取所有缓存 Url 列表：</source>
        <translation>Get the list of every cached URL:</translation>
    </message>
    <message>
        <source>获得缓存列表</source>
        <translation>Get cache list</translation>
    </message>
    <message>
        <source>保存缓存列表</source>
        <translation>Save cache list</translation>
    </message>
    <message>
        <source>保存到</source>
        <translation>Save to</translation>
    </message>
    <message>
        <source>无法写入文件：%1</source>
        <translation>Cannot write the file: %1</translation>
    </message>
    <message>
        <source>缓存Url：</source>
        <translation>Cache URL:</translation>
    </message>
    <message>
        <source>小工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>正则表达式语法正确</source>
        <translation>The regular expression is valid</translation>
    </message>
    <message>
        <source>正则表达式语法错误</source>
        <translation>The regular expression is not valid</translation>
    </message>
    <message>
        <source>查看域名详细信息</source>
        <translation>Domain details</translation>
    </message>
    <message>
        <source>主机名(主机头)：</source>
        <translation>Host name (Host header):</translation>
    </message>
    <message>
        <source>源站负载均衡策略：</source>
        <translation>Origin load balancing:</translation>
    </message>
    <message>
        <source>源站列表：</source>
        <translation>Origins:</translation>
    </message>
    <message>
        <source>开始监控</source>
        <translation>Start watching</translation>
    </message>
    <message>
        <source>停止监控</source>
        <translation>Stop watching</translation>
    </message>
    <message>
        <source>域名监控列表</source>
        <translation>Watched domains</translation>
    </message>
    <message>
        <source>实时访问监控内容：</source>
        <translation>Live requests:</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>访问监控数据</source>
        <translation>Watched requests</translation>
    </message>
    <message>
        <source>查找：</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>在已收到的记录中查找（Ctrl+F）</source>
        <translation>Find in the records received (Ctrl+F)</translation>
    </message>
    <message>
        <source>查找下一个</source>
        <translation>Find next</translation>
    </message>
    <message>
        <source>实时访问监控连接已断开，%1 秒后重新连接....</source>
        <translation>The live request link was lost; reconnecting in %1 s....</translation>
    </message>
    <message>
        <source>未找到“%1”</source>
        <translation>&quot;%1&quot; not found</translation>
    </message>
    <message>
        <source>第 %1 行</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>实时监控</source>
        <translation>Live figures</translation>
    </message>
    <message>
        <source>系统资源监控</source>
        <translation>System resources</translation>
    </message>
    <message>
        <source>统计报告</source>
        <translation>Traffic reports</translation>
    </message>
    <message>
        <source>实时访问监控</source>
        <translation>Live requests</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>System</translation>
    </message>
    <message>
        <source>启动时间：</source>
        <translation>Started:</translation>
    </message>
    <message>
        <source>当前时间：</source>
        <translation>Now:</translation>
    </message>
    <message>
        <source>累计节流：</source>
        <translation>Traffic saved:</translation>
    </message>
    <message>
        <source>个</source>
        <translation>items</translation>
    </message>
    <message>
        <source>启动自动刷新</source>
        <translation>Start auto refresh</translation>
    </message>
    <message>
        <source>停止自动刷新</source>
        <translation>Stop auto refresh</translation>
    </message>
    <message>
        <source>统计报告列表</source>
        <translation>Traffic reports</translation>
    </message>
    <message>
        <source>自动刷新间隔</source>
        <translation>Auto refresh interval</translation>
    </message>
    <message>
        <source>刷新统计报告</source>
        <translation>Refresh traffic reports</translation>
    </message>
    <message>
        <source>保存统计报告</source>
        <translation>Save traffic reports</translation>
    </message>
    <message>
        <source>统计开始时间：</source>
        <translation>Report start:</translation>
    </message>
    <message>
        <source>统计结束时间：</source>
        <translation>Report end:</translation>
    </message>
    <message>
        <source>缓存命令中率：</source>
        <translation>Cache hit rate:</translation>
    </message>
    <message>
        <source>文本文件 (*.txt);;所有文件 (*)</source>
        <translation>Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>保存统计报告失败，无法写入文件：%1</source>
        <translation>Cannot save the traffic report; cannot write the file: %1</translation>
    </message>
    <message>
        <source>添加实时监控记录</source>
        <translation>Add a live watch</translation>
    </message>
    <message>
        <source>实时监控地址：</source>
        <translation>Watched URL:</translation>
    </message>
    <message>
        <source>编辑标签名：</source>
        <translation>Label:</translation>
    </message>
    <message>
        <source>地址匹配规则：</source>
        <translation>URL match rule:</translation>
    </message>
    <message>
        <source>日志文件标题</source>
        <translation>Log file title</translation>
    </message>
    <message>
        <source>实时监控地址</source>
        <translation>Watched URL</translation>
    </message>
    <message>
        <source>添加实时访问监控记录</source>
        <translation>Add a live request watch</translation>
    </message>
    <message>
        <source>删除选中的实时访问监控记录</source>
        <translation>Delete the selected live request watch</translation>
    </message>
    <message>
        <source>刷新实时访问监控记录列表</source>
        <translation>Refresh the live request watches</translation>
    </message>
    <message>
        <source>打开选中记录的实时访问监控窗口</source>
        <translation>Open the live request window of the selected watch</translation>
    </message>
    <message>
        <source>您确定要删除本条访问监控记录吗？</source>
        <translation>Are you sure you want to delete this request watch?</translation>
    </message>
    <message>
        <source>实时访问监控记录列表</source>
        <translation>Live request watches</translation>
    </message>
    <message>
        <source>用户 IP：</source>
        <translation>Client IP:</translation>
    </message>
    <message>
        <source>可输入用户 IP 或者 IP 段</source>
        <translation>Enter a client IP or IP range</translation>
    </message>
    <message>
        <source>自动滚屏</source>
        <translation>Auto scroll</translation>
    </message>
    <message>
        <source>清空监控数据</source>
        <translation>Clear the watched requests</translation>
    </message>
    <message>
        <source>清空数据</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>您确定要清空所有监控数据吗？</source>
        <translation>Are you sure you want to clear every watched request?</translation>
    </message>
    <message>
        <source>实时访问监控 - %1</source>
        <translation>Live requests - %1</translation>
    </message>
    <message>
        <source>%1分钟</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>不清屏</source>
        <translation>Never clear</translation>
    </message>
    <message>
        <source>清屏间隔：</source>
        <translation>Clear every:</translation>
    </message>
    <message>
        <source>查看选中内容</source>
        <translation>View the selected content</translation>
    </message>
    <message>
        <source>保存监控记录</source>
        <translation>Save watched requests</translation>
    </message>
    <message>
        <source>清屏</source>
        <translation>Clear screen</translation>
    </message>
    <message>
        <source>无法写入文件“%1”，监控记录未保存。</source>
        <translation>Cannot write the file &quot;%1&quot;; the watched requests were not saved.</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>系统管理员</source>
        <translation>Administrator</translation>
    </message>
    <message>
        <source>系统监控员</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>要修改的密码帐号：</source>
        <translation>Account:</translation>
    </message>
    <message>
        <source>原管理员密码：</source>
        <translation>Current administrator password:</translation>
    </message>
    <message>
        <source>新密码：</source>
        <translation>New password:</translation>
    </message>
    <message>
        <source>确认新密码：</source>
        <translation>Confirm new password:</translation>
    </message>
    <message>
        <source>旧密码输入错误，请重新输入。</source>
        <translation>The current password is wrong; please enter it again.</translation>
    </message>
    <message>
        <source>两次输入的密码不一致。</source>
        <translation>The two passwords do not match.</translation>
    </message>
    <message>
        <source>关于 %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>%1 图标</source>
        <translation>%1 icon</translation>
    </message>
    <message>
        <source>%1，版本：%2</source>
        <translation>%1, version: %2</translation>
    </message>
    <message>
        <source>已连接服务端版本：%1</source>
        <translation>Connected server version: %1</translation>
    </message>
    <message>
        <source>登录到远程管理器</source>
        <translation>Log in to the remote console</translation>
    </message>
    <message>
        <source>常规</source>
        <translation>General</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>连接</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>请输入服务器地址</source>
        <translation>Enter the server address</translation>
    </message>
    <message>
        <source>密码保存在桌面的密钥环中（Secret Service），登录记录文件只记下是否保存</source>
        <translation>Passwords are kept in the desktop&apos;s keyring (Secret Service); the login history file only notes whether one is saved</translation>
    </message>
    <message>
        <source>本机没有可用的密钥环，密码加密后保存在登录记录文件中：%1</source>
        <translation>No keyring is available here; passwords are saved encrypted in the login history file: %1</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>记住密码</source>
        <translation>Remember password</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#delete&quot;&gt;删除此记录&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#delete&quot;&gt;Delete this record&lt;/a&gt;</translation>
    </message>
    <message>
        <source>删除此记录</source>
        <translation>Delete this record</translation>
    </message>
    <message>
        <source>主   机：</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>用   户：</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>密   码：</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>删除登录记录</source>
        <translation>Delete login record</translation>
    </message>
    <message>
        <source>您确定要删除此主机的登录记录吗？</source>
        <translation>Are you sure you want to delete this host&apos;s login record?</translation>
    </message>
    <message>
        <source>获取黑名单列表成功</source>
        <translation>Black list loaded</translation>
    </message>
    <message>
        <source>获取黑名单列表数据失败，%s(错误号:%d)</source>
        <translation>Could not load the black list, %s (error %d)</translation>
    </message>
    <message>
        <source>获取黑名单列表数据失败，网络连接错误。</source>
        <translation>Could not load the black list: network error.</translation>
    </message>
    <message>
        <source>添加黑名单列表信息成功。</source>
        <translation>Black-list entry added.</translation>
    </message>
    <message>
        <source>添加黑名单列表信息失败，%s(错误号:%d)。</source>
        <translation>Could not add the black-list entry, %s (error %d).</translation>
    </message>
    <message>
        <source>添加黑名单列表信息失败，网络连接错误。</source>
        <translation>Could not add the black-list entry: network error.</translation>
    </message>
    <message>
        <source>修改黑名单列表信息成功。</source>
        <translation>Black-list entry modified.</translation>
    </message>
    <message>
        <source>修改黑名单列表信息失败，%s(错误号:%d)。</source>
        <translation>Could not modify the black-list entry, %s (error %d).</translation>
    </message>
    <message>
        <source>修改黑名单列表信息失败，网络连接错误。</source>
        <translation>Could not modify the black-list entry: network error.</translation>
    </message>
    <message>
        <source>删除黑名单列表信息成功。</source>
        <translation>Black-list entry deleted.</translation>
    </message>
    <message>
        <source>删除黑名单列表信息失败，%s(错误号:%d)。</source>
        <translation>Could not delete the black-list entry, %s (error %d).</translation>
    </message>
    <message>
        <source>删除黑名单列表信息失败，网络连接错误。</source>
        <translation>Could not delete the black-list entry: network error.</translation>
    </message>
    <message>
        <source>获取白名单列表成功</source>
        <translation>White list loaded</translation>
    </message>
    <message>
        <source>获取白名单列表数据失败，%s(错误号:%d)</source>
        <translation>Could not load the white list, %s (error %d)</translation>
    </message>
    <message>
        <source>获取白名单列表数据失败，网络连接错误。</source>
        <translation>Could not load the white list: network error.</translation>
    </message>
    <message>
        <source>添加白名单列表信息成功。</source>
        <translation>White-list entry added.</translation>
    </message>
    <message>
        <source>添加白名单列表信息失败，%s(错误号:%d)。</source>
        <translation>Could not add the white-list entry, %s (error %d).</translation>
    </message>
    <message>
        <source>添加白名单列表信息失败，网络连接错误。</source>
        <translation>Could not add the white-list entry: network error.</translation>
    </message>
    <message>
        <source>修改白名单列表信息成功。</source>
        <translation>White-list entry modified.</translation>
    </message>
    <message>
        <source>修改白名单列表信息失败，%s(错误号:%d)。</source>
        <translation>Could not modify the white-list entry, %s (error %d).</translation>
    </message>
    <message>
        <source>修改白名单列表信息失败，网络连接错误。</source>
        <translation>Could not modify the white-list entry: network error.</translation>
    </message>
    <message>
        <source>删除白名单列表信息成功。</source>
        <translation>White-list entry deleted.</translation>
    </message>
    <message>
        <source>删除白名单列表信息失败，%s(错误号:%d)。</source>
        <translation>Could not delete the white-list entry, %s (error %d).</translation>
    </message>
    <message>
        <source>删除白名单列表信息失败，网络连接错误。</source>
        <translation>Could not delete the white-list entry: network error.</translation>
    </message>
    <message>
        <source>获取转向列表成功</source>
        <translation>Rewrite rules loaded</translation>
    </message>
    <message>
        <source>获取转向列表数据失败，%s(错误号:%d)</source>
        <translation>Could not load the rewrite rules, %s (error %d)</translation>
    </message>
    <message>
        <source>获取转向列表数据失败，网络连接错误。</source>
        <translation>Could not load the rewrite rules: network error.</translation>
    </message>
    <message>
        <source>添加转向列表数据成功。</source>
        <translation>Rewrite rule added.</translation>
    </message>
    <message>
        <source>添加转向列表数据失败，%s(错误号:%d)</source>
        <translation>Could not add the rewrite rule, %s (error %d)</translation>
    </message>
    <message>
        <source>添加转向列表数据失败，网络连接错误。</source>
        <translation>Could not add the rewrite rule: network error.</translation>
    </message>
    <message>
        <source>修改转向列表信息成功。</source>
        <translation>Rewrite rule modified.</translation>
    </message>
    <message>
        <source>修改转向列表信息失败，%s(错误号:%d)。</source>
        <translation>Could not modify the rewrite rule, %s (error %d).</translation>
    </message>
    <message>
        <source>修改转向列表信息失败，网络连接错误。</source>
        <translation>Could not modify the rewrite rule: network error.</translation>
    </message>
    <message>
        <source>删除转向列表信息成功。</source>
        <translation>Rewrite rule deleted.</translation>
    </message>
    <message>
        <source>删除转向列表信息失败，%s(错误号:%d)。</source>
        <translation>Could not delete the rewrite rule, %s (error %d).</translation>
    </message>
    <message>
        <source>删除转向列表信息失败，网络连接错误。</source>
        <translation>Could not delete the rewrite rule: network error.</translation>
    </message>
    <message>
        <source>向上移动转向列表匹配排序成功。</source>
        <translation>Rewrite rule moved up.</translation>
    </message>
    <message>
        <source>向上移动转向列表匹配排序失败，%s(错误号:%d)。</source>
        <translation>Could not move the rewrite rule up, %s (error %d).</translation>
    </message>
    <message>
        <source>向上移动转向列表匹配排序失败，网络链接错误。</source>
        <translation>Could not move the rewrite rule up: network error.</translation>
    </message>
    <message>
        <source>向下移动转向列表匹配排序成功。</source>
        <translation>Rewrite rule moved down.</translation>
    </message>
    <message>
        <source>向下移动转向列表匹配排序失败，%s(错误号:%d)。</source>
        <translation>Could not move the rewrite rule down, %s (error %d).</translation>
    </message>
    <message>
        <source>向下移动转向列表匹配排序失败，网络链接错误。</source>
        <translation>Could not move the rewrite rule down: network error.</translation>
    </message>
    <message>
        <source>导出黑名单列表完成</source>
        <translation>Black list exported</translation>
    </message>
    <message>
        <source>地址或期限含有“/”或“-”的条目</source>
        <translation>entries whose address or expiry holds &quot;/&quot; or &quot;-&quot;</translation>
    </message>
    <message>
        <source>正在从服务器上获取转向列表，请稍候....</source>
        <translation>Loading the rewrite rules from the server, please wait....</translation>
    </message>
    <message>
        <source>正在从服务器上删除转向配置，请稍候....</source>
        <translation>Deleting the rewrite rule on the server, please wait....</translation>
    </message>
    <message>
        <source>转向列表向上移动</source>
        <translation>Moving the rewrite rule up</translation>
    </message>
    <message>
        <source>转向列表向下移动</source>
        <translation>Moving the rewrite rule down</translation>
    </message>
    <message>
        <source>增加转向配置信息成功。</source>
        <translation>Rewrite rule added.</translation>
    </message>
    <message>
        <source>增加转向配置信息失败，%s,错误号：%d。</source>
        <translation>Could not add the rewrite rule, %s, error %d.</translation>
    </message>
    <message>
        <source>增加转向配置信息失败，无法与服务器建立连接。</source>
        <translation>Could not add the rewrite rule: cannot reach the server.</translation>
    </message>
    <message>
        <source>修改转向配置信息成功。</source>
        <translation>Rewrite rule modified.</translation>
    </message>
    <message>
        <source>修改转向配置信息失败，%s,错误号：%d。</source>
        <translation>Could not modify the rewrite rule, %s, error %d.</translation>
    </message>
    <message>
        <source>修改转向配置信息失败，无法与服务器建立连接</source>
        <translation>Could not modify the rewrite rule: cannot reach the server</translation>
    </message>
    <message>
        <source>正在添加转向配置数据，请稍候....</source>
        <translation>Adding the rewrite rule, please wait....</translation>
    </message>
    <message>
        <source>正在修改转向配置数据，请稍候....</source>
        <translation>Modifying the rewrite rule, please wait....</translation>
    </message>
    <message>
        <source> 秒</source>
        <translation> s</translation>
    </message>
    <message>
        <source>通配符</source>
        <translation>Wildcard</translation>
    </message>
    <message>
        <source>正则表达式</source>
        <translation>Regular expression</translation>
    </message>
    <message>
        <source>精确匹配</source>
        <translation>Exact match</translation>
    </message>
    <message>
        <source>天</source>
        <translation>days</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>hours</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>所有用户</source>
        <translation>All users</translation>
    </message>
    <message>
        <source>登录用户</source>
        <translation>Logged-in users</translation>
    </message>
    <message>
        <source>游客用户</source>
        <translation>Guests</translation>
    </message>
    <message>
        <source>大小写)</source>
        <translation> case)</translation>
    </message>
    <message>
        <source>清理已智能缓存的页面成功。</source>
        <translation>Intelligently cached pages cleaned.</translation>
    </message>
    <message>
        <source>清理已智能缓存的页面失败，%s(错误号:%d)。</source>
        <translation>Could not clean the intelligently cached pages, %s (error %d).</translation>
    </message>
    <message>
        <source>清理已智能缓存的页面失败，网络连接错误。</source>
        <translation>Could not clean the intelligently cached pages: network error.</translation>
    </message>
    <message>
        <source>清理已缓存的页面成功。</source>
        <translation>Cached pages cleaned.</translation>
    </message>
    <message>
        <source>清理已缓存的页面失败，%s(错误号:%d)。</source>
        <translation>Could not clean the cached pages, %s (error %d).</translation>
    </message>
    <message>
        <source>清理已缓存的页面失败，网络连接错误。</source>
        <translation>Could not clean the cached pages: network error.</translation>
    </message>
    <message>
        <source>清理所有已缓存的页面成功。</source>
        <translation>All cached pages cleaned.</translation>
    </message>
    <message>
        <source>清理所有已缓存的页面失败，%s(错误号:%d)。</source>
        <translation>Could not clean all cached pages, %s (error %d).</translation>
    </message>
    <message>
        <source>清理所有已缓存的页面失败，网络连接错误。</source>
        <translation>Could not clean all cached pages: network error.</translation>
    </message>
    <message>
        <source>清除所有已缓存的登陆验证会话(SessionID)信息成功。</source>
        <translation>All cached login sessions (SessionID) cleaned.</translation>
    </message>
    <message>
        <source>清除已缓存的登陆验证会话(SessionID)信息失败，%s(错误号:%d)。</source>
        <translation>Could not clean the cached login sessions (SessionID), %s (error %d).</translation>
    </message>
    <message>
        <source>清除已缓存的登陆验证会话(SessionID)信息失败，网络连接错误。</source>
        <translation>Could not clean the cached login sessions (SessionID): network error.</translation>
    </message>
    <message>
        <source>获取页面缓存列表成功</source>
        <translation>Page cache rules loaded</translation>
    </message>
    <message>
        <source>从%s获取页面缓存数据失败，(错误号:%d)</source>
        <translation>Could not load the page cache rules from %s, (error %d)</translation>
    </message>
    <message>
        <source>获取页面缓存列表失败，网络连接错误。</source>
        <translation>Could not load the page cache rules: network error.</translation>
    </message>
    <message>
        <source>添加到页面缓存列表成功。</source>
        <translation>Page cache rule added.</translation>
    </message>
    <message>
        <source>添加到页面缓存列表失败，(错误号:%d)</source>
        <translation>Could not add the page cache rule, (error %d)</translation>
    </message>
    <message>
        <source>修改页面缓存数据成功。</source>
        <translation>Page cache rule modified.</translation>
    </message>
    <message>
        <source>修改页面缓存数据失败，(错误号:%d)</source>
        <translation>Could not modify the page cache rule, (error %d)</translation>
    </message>
    <message>
        <source>修改页面缓存数据失败，网络连接错误。</source>
        <translation>Could not modify the page cache rule: network error.</translation>
    </message>
    <message>
        <source>刪除页面缓存信息成功。</source>
        <translation>Page cache rule deleted.</translation>
    </message>
    <message>
        <source>刪除页面缓存信息失败，%s,错误号：%d。</source>
        <translation>Could not delete the page cache rule, %s, error %d.</translation>
    </message>
    <message>
        <source>刪除页面缓存信息失败，无法与服务器建立连接</source>
        <translation>Could not delete the page cache rule: cannot reach the server</translation>
    </message>
    <message>
        <source>向上移动页面缓存数据成功。</source>
        <translation>Page cache rule moved up.</translation>
    </message>
    <message>
        <source>向上移动页面缓存数据失败，(错误号:%d)</source>
        <translation>Could not move the page cache rule up, (error %d)</translation>
    </message>
    <message>
        <source>向上移动页面缓存数据失败，网络连接错误。</source>
        <translation>Could not move the page cache rule up: network error.</translation>
    </message>
    <message>
        <source>向下移动页面缓存数据成功。</source>
        <translation>Page cache rule moved down.</translation>
    </message>
    <message>
        <source>向下移动页面缓存数据失败，(错误号:%d)</source>
        <translation>Could not move the page cache rule down, (error %d)</translation>
    </message>
    <message>
        <source>向下移动页面缓存数据失败，网络连接错误。</source>
        <translation>Could not move the page cache rule down: network error.</translation>
    </message>
    <message>
        <source>获取拒绝缓存数据失败，%s(错误号:%d)。</source>
        <translation>Could not load the refuse-cache rules, %s (error %d).</translation>
    </message>
    <message>
        <source>获取拒绝缓存数据失败，网络连接错误。</source>
        <translation>Could not load the refuse-cache rules: network error.</translation>
    </message>
    <message>
        <source>增加页面缓存信息成功。</source>
        <translation>Refuse-cache rule added.</translation>
    </message>
    <message>
        <source>增加页面缓存信息失败，%s(错误号:%d)。</source>
        <translation>Could not add the refuse-cache rule, %s (error %d).</translation>
    </message>
    <message>
        <source>增加页面缓存信息失败，网络连接错误。</source>
        <translation>Could not add the refuse-cache rule: network error.</translation>
    </message>
    <message>
        <source>修改页面缓存信息成功。</source>
        <translation>Refuse-cache rule modified.</translation>
    </message>
    <message>
        <source>修改页面缓存信息失败，%s(错误号:%d)。</source>
        <translation>Could not modify the refuse-cache rule, %s (error %d).</translation>
    </message>
    <message>
        <source>修改页面缓存信息失败，网络连接错误。</source>
        <translation>Could not modify the refuse-cache rule: network error.</translation>
    </message>
    <message>
        <source>删除页面缓存信息成功。</source>
        <translation>Refuse-cache rule deleted.</translation>
    </message>
    <message>
        <source>删除页面缓存信息失败，%s(错误号:%d)。</source>
        <translation>Could not delete the refuse-cache rule, %s (error %d).</translation>
    </message>
    <message>
        <source>删除页面缓存信息失败，网络连接错误。</source>
        <translation>Could not delete the refuse-cache rule: network error.</translation>
    </message>
    <message>
        <source>向上移动拒绝缓存匹配排序成功。</source>
        <translation>Refuse-cache rule moved up.</translation>
    </message>
    <message>
        <source>向上移动拒绝缓存匹配排序失败，%s(错误号:%d)。</source>
        <translation>Could not move the refuse-cache rule up, %s (error %d).</translation>
    </message>
    <message>
        <source>向上移动拒绝缓存匹配排序失败，网络连接错误。</source>
        <translation>Could not move the refuse-cache rule up: network error.</translation>
    </message>
    <message>
        <source>向下移动拒绝缓存匹配排序成功。</source>
        <translation>Refuse-cache rule moved down.</translation>
    </message>
    <message>
        <source>向下移动拒绝缓存匹配排序失败，%s(错误号:%d)。</source>
        <translation>Could not move the refuse-cache rule down, %s (error %d).</translation>
    </message>
    <message>
        <source>向下移动拒绝缓存匹配排序失败，网络连接错误。</source>
        <translation>Could not move the refuse-cache rule down: network error.</translation>
    </message>
    <message>
        <source>获取会话缓存列表失败，%s(错误号:%d)。</source>
        <translation>Could not load the session cache rules, %s (error %d).</translation>
    </message>
    <message>
        <source>获取会话缓存列表失败，网络连接错误。</source>
        <translation>Could not load the session cache rules: network error.</translation>
    </message>
    <message>
        <source>添加会话缓存信息成功。</source>
        <translation>Session cache rule added.</translation>
    </message>
    <message>
        <source>添加会话缓存信息失败，%s(错误号:%d)。</source>
        <translation>Could not add the session cache rule, %s (error %d).</translation>
    </message>
    <message>
        <source>添加会话缓存信息失败，网络连接错误。</source>
        <translation>Could not add the session cache rule: network error.</translation>
    </message>
    <message>
        <source>修改会话缓存信息成功。</source>
        <translation>Session cache rule modified.</translation>
    </message>
    <message>
        <source>修改会话缓存信息失败，%s(错误号:%d)。</source>
        <translation>Could not modify the session cache rule, %s (error %d).</translation>
    </message>
    <message>
        <source>修改会话缓存信息失败，网络连接错误。</source>
        <translation>Could not modify the session cache rule: network error.</translation>
    </message>
    <message>
        <source>删除会话缓存信息成功。</source>
        <translation>Session cache rule deleted.</translation>
    </message>
    <message>
        <source>删除会话缓存信息失败，%s(错误号:%d)。</source>
        <translation>Could not delete the session cache rule, %s (error %d).</translation>
    </message>
    <message>
        <source>删除会话缓存信息失败，网络连接错误。</source>
        <translation>Could not delete the session cache rule: network error.</translation>
    </message>
    <message>
        <source>向上移动会话缓存匹配排序成功。</source>
        <translation>Session cache rule moved up.</translation>
    </message>
    <message>
        <source>向上移动会话缓存匹配排序失败，%s(错误号:%d)。</source>
        <translation>Could not move the session cache rule up, %s (error %d).</translation>
    </message>
    <message>
        <source>向上移动会话缓存匹配排序失败，网络连接错误。</source>
        <translation>Could not move the session cache rule up: network error.</translation>
    </message>
    <message>
        <source>向下移动会话缓存匹配排序成功。</source>
        <translation>Session cache rule moved down.</translation>
    </message>
    <message>
        <source>向下移动会话缓存匹配排序失败，%s(错误号:%d)。</source>
        <translation>Could not move the session cache rule down, %s (error %d).</translation>
    </message>
    <message>
        <source>向下移动会话缓存匹配排序失败，网络连接错误。</source>
        <translation>Could not move the session cache rule down: network error.</translation>
    </message>
    <message>
        <source>增加会话缓存信息成功。</source>
        <translation>Session cache rule added.</translation>
    </message>
    <message>
        <source>增加会话缓存信息失败，%s,错误号：%d。</source>
        <translation>Could not add the session cache rule, %s, error %d.</translation>
    </message>
    <message>
        <source>增加会话缓存信息失败，无法与服务器建立连接。</source>
        <translation>Could not add the session cache rule: cannot reach the server.</translation>
    </message>
    <message>
        <source>修改会话缓存信息失败，%s,错误号：%d。</source>
        <translation>Could not modify the session cache rule, %s, error %d.</translation>
    </message>
    <message>
        <source>修改会话缓存信息失败，无法与服务器建立连接</source>
        <translation>Could not modify the session cache rule: cannot reach the server</translation>
    </message>
    <message>
        <source>正在发送添加会话缓存信息的请求，请稍候....</source>
        <translation>Sending the new session cache rule, please wait....</translation>
    </message>
    <message>
        <source>正在发送会话缓存信息的请求，请稍候....</source>
        <translation>Sending the session cache rule, please wait....</translation>
    </message>
    <message>
        <source>增加页面缓存信息失败，%s,错误号：%d。</source>
        <translation>Could not add the page cache rule, %s, error %d.</translation>
    </message>
    <message>
        <source>增加页面缓存信息失败，无法与服务器建立连接。</source>
        <translation>Could not add the page cache rule: cannot reach the server.</translation>
    </message>
    <message>
        <source>修改页面缓存信息失败，%s,错误号：%d。</source>
        <translation>Could not modify the page cache rule, %s, error %d.</translation>
    </message>
    <message>
        <source>修改页面缓存信息失败，无法与服务器建立连接</source>
        <translation>Could not modify the page cache rule: cannot reach the server</translation>
    </message>
    <message>
        <source>正在发送增加页面缓存信息的请求，请稍候....</source>
        <translation>Sending the new page cache rule, please wait....</translation>
    </message>
    <message>
        <source>增加拒绝缓存信息成功。</source>
        <translation>Refuse-cache rule added.</translation>
    </message>
    <message>
        <source>增加拒绝缓存信息失败，%s,错误号：%d。</source>
        <translation>Could not add the refuse-cache rule, %s, error %d.</translation>
    </message>
    <message>
        <source>增加拒绝缓存信息失败，无法与服务器建立连接。</source>
        <translation>Could not add the refuse-cache rule: cannot reach the server.</translation>
    </message>
    <message>
        <source>修改拒绝缓存信息成功。</source>
        <translation>Refuse-cache rule modified.</translation>
    </message>
    <message>
        <source>修改拒绝缓存信息失败，%s,错误号：%d。</source>
        <translation>Could not modify the refuse-cache rule, %s, error %d.</translation>
    </message>
    <message>
        <source>修改拒绝缓存信息失败，无法与服务器建立连接</source>
        <translation>Could not modify the refuse-cache rule: cannot reach the server</translation>
    </message>
    <message>
        <source>正在发送增加拒绝缓存信息的请求，请稍候....</source>
        <translation>Sending the new refuse-cache rule, please wait....</translation>
    </message>
    <message>
        <source>清除所有已智能缓存页面(Intelligent Webcache)</source>
        <translation>Clean all intelligently cached pages (Intelligent Webcache)</translation>
    </message>
    <message>
        <source>您确定要清理所有已智能缓存的页面(Intelligent Webcache)吗？</source>
        <translation>Are you sure you want to clean all intelligently cached pages (Intelligent Webcache)?</translation>
    </message>
    <message>
        <source>正在发送请理智能缓存页面的请求，请稍候....</source>
        <translation>Asking to clean the intelligently cached pages, please wait....</translation>
    </message>
    <message>
        <source>清除所有已强制缓存的页面(Force Webcache)</source>
        <translation>Clean all force-cached pages (Force Webcache)</translation>
    </message>
    <message>
        <source>您确定要清除所有强制缓存页面(Force Webcache)吗？</source>
        <translation>Are you sure you want to clean all force-cached pages (Force Webcache)?</translation>
    </message>
    <message>
        <source>正在发送请理页面缓存页面的请求，请稍候....</source>
        <translation>Asking to clean the force-cached pages, please wait....</translation>
    </message>
    <message>
        <source>清除所有已缓存的会话标识(SessionID Cache)</source>
        <translation>Clean all cached session IDs (SessionID Cache)</translation>
    </message>
    <message>
        <source>您确定要清理所有已缓存的登陆验证会话(SessionID Cache)信息吗？</source>
        <translation>Are you sure you want to clean all cached login sessions (SessionID Cache)?</translation>
    </message>
    <message>
        <source>正在发送请理会话缓存页面的请求，请稍候....</source>
        <translation>Asking to clean the cached sessions, please wait....</translation>
    </message>
    <message>
        <source>清除所有已缓存的页面(All Webcache)</source>
        <translation>Clean all cached pages (All Webcache)</translation>
    </message>
    <message>
        <source>您确定要清理所有已缓存的页面(All Webcache)吗？</source>
        <translation>Are you sure you want to clean all cached pages (All Webcache)?</translation>
    </message>
    <message>
        <source>正在发送清理所有已缓存页面的请求，请稍候....</source>
        <translation>Asking to clean all cached pages, please wait....</translation>
    </message>
    <message>
        <source>操作提示：强制页面缓存是 Morvix 根据 &quot;页面缓存&quot; 配置规则来缓存源站页面，根据设定可缓存网站的任何页面(静态页面，动态页面，图片，视频等任何内容)。强制缓存优先级大于智能缓存，如果强制缓存与智能缓存发生冲突，以强制缓存(即 &quot;页面缓存&quot; 配置规则)优先。</source>
        <translation>Tip: force caching is how Morvix caches origin pages by its &quot;Page cache&quot; rules; as set, it can cache any page of a site (static pages, dynamic pages, images, video and any other content). Force caching takes precedence over intelligent caching: where they conflict, force caching (the &quot;Page cache&quot; rules) wins.</translation>
    </message>
    <message>
        <source>操作提示：Morvix 将已缓存的所有页面全部清除。包括已 &quot;智能缓存&quot; 和 &quot;强制缓存&quot; 的所有页面。注意：不包括已缓存的会话标识(SessionID)。</source>
        <translation>Tip: Morvix cleans every cached page, both &quot;intelligently cached&quot; and &quot;force-cached&quot;. Note: cached session IDs (SessionID) are not cleaned.</translation>
    </message>
    <message>
        <source>操作提示：会话标识是 Morvix 根据 &quot;会话缓存&quot; 配置规则缓存的已登陆用户的会话标识(SessionID)，Morvix 可根据这个会话标识(SessionID)来判断请求用户是否为已登陆会员。如果登录会员访问命中页面缓存(缓存权限：登录用户)时，即可实现访问加速。</source>
        <translation>Tip: session IDs are the SessionIDs of logged-in users that Morvix caches by its &quot;Session cache&quot; rules; with them Morvix tells whether a request comes from a logged-in member. When a logged-in member&apos;s request hits the page cache (cache access: logged-in users), it is served faster.</translation>
    </message>
    <message>
        <source>操作提示：Morvix 将按所设定的清除条件(地址匹配规则)，对已 &quot;智能缓存&quot; 和 &quot;强制缓存&quot; 的页面缓存按条件进行地址匹配，匹配成功的缓存页面将被清除。</source>
        <translation>Tip: Morvix matches the addresses of &quot;intelligently cached&quot; and &quot;force-cached&quot; pages against the conditions set (URL match rules), and cleans the cached pages that match.</translation>
    </message>
    <message>
        <source>正在发送请理缓存页面的请求，请稍候....</source>
        <translation>Asking to clean cached pages, please wait....</translation>
    </message>
    <message>
        <source>导出页面缓存列表</source>
        <translation>Export page cache rules</translation>
    </message>
    <message>
        <source>导出拒绝缓存列表</source>
        <translation>Export refuse-cache rules</translation>
    </message>
    <message>
        <source>导出会话缓存列表</source>
        <translation>Export session cache rules</translation>
    </message>
    <message>
        <source>导出转向规则列表</source>
        <translation>Export rewrite rules</translation>
    </message>
    <message>
        <source>导出规则完成</source>
        <translation>Rules exported</translation>
    </message>
    <message>
        <source>正在刷新强制缓存列表，请稍候....</source>
        <translation>Refreshing the page cache rules, please wait....</translation>
    </message>
    <message>
        <source>正在发送删除强制缓存的请求，请稍候....</source>
        <translation>Deleting the page cache rule, please wait....</translation>
    </message>
    <message>
        <source>正在向上移动强制缓存，请稍候....</source>
        <translation>Moving the page cache rule up, please wait....</translation>
    </message>
    <message>
        <source>正在向下移动强制缓存，请稍候....</source>
        <translation>Moving the page cache rule down, please wait....</translation>
    </message>
    <message>
        <source>正在从服务器上获取会话缓存列表，请稍候....</source>
        <translation>Loading the session cache rules from the server, please wait....</translation>
    </message>
    <message>
        <source>正在发送删除会话缓存的请求，请稍候....</source>
        <translation>Deleting the session cache rule, please wait....</translation>
    </message>
    <message>
        <source>正在向上移动会话缓存，请稍候....</source>
        <translation>Moving the session cache rule up, please wait....</translation>
    </message>
    <message>
        <source>正在向下移动会话缓存，请稍候....</source>
        <translation>Moving the session cache rule down, please wait....</translation>
    </message>
    <message>
        <source>正在获取拒绝缓存列表，请稍候....</source>
        <translation>Loading the refuse-cache rules, please wait....</translation>
    </message>
    <message>
        <source>正在发送删除拒绝缓存的请求，请稍候....</source>
        <translation>Deleting the refuse-cache rule, please wait....</translation>
    </message>
    <message>
        <source>正在向上移动拒绝缓存，请稍候....</source>
        <translation>Moving the refuse-cache rule up, please wait....</translation>
    </message>
    <message>
        <source>正在向下移动拒绝缓存，请稍候....</source>
        <translation>Moving the refuse-cache rule down, please wait....</translation>
    </message>
    <message>
        <source>获得本服务器的集群配置成功</source>
        <translation>Cluster settings of this server loaded</translation>
    </message>
    <message>
        <source>获得本服务器的集群配置失败，%s(错误号:%d)。</source>
        <translation>Could not load this server&apos;s cluster settings, %s (error %d).</translation>
    </message>
    <message>
        <source>获得本服务器的集群配置失败，网络连接失败或会话已过期</source>
        <translation>Could not load this server&apos;s cluster settings: network error or session expired</translation>
    </message>
    <message>
        <source>数据格式错误，返回的Json数据格式解析失败!</source>
        <translation>Malformed data: the JSON reply could not be parsed!</translation>
    </message>
    <message>
        <source>获得本服务器的集群状态成功</source>
        <translation>Cluster status of this server loaded</translation>
    </message>
    <message>
        <source>获得本服务器的集群状态失败，%s(错误号:%d)。</source>
        <translation>Could not load this server&apos;s cluster status, %s (error %d).</translation>
    </message>
    <message>
        <source>获得本服务器的集群状态失败，网络连接失败或会话已过期</source>
        <translation>Could not load this server&apos;s cluster status: network error or session expired</translation>
    </message>
    <message>
        <source>修改集群配置项成功。</source>
        <translation>Cluster settings changed.</translation>
    </message>
    <message>
        <source>修改集群配置项失败，%s(错误号:%d)。</source>
        <translation>Could not change the cluster settings, %s (error %d).</translation>
    </message>
    <message>
        <source>获取硬盘缓存目录配置成功。</source>
        <translation>Disk cache folders loaded.</translation>
    </message>
    <message>
        <source>获取硬盘缓存目录配置失败，%s(错误号:%d)。</source>
        <translation>Could not load the disk cache folders, %s (error %d).</translation>
    </message>
    <message>
        <source>设置硬盘缓存目录配置信息成功。</source>
        <translation>Disk cache folders saved.</translation>
    </message>
    <message>
        <source>设置硬盘缓存目录配置信息失败，%s(错误号:%d)。</source>
        <translation>Could not save the disk cache folders, %s (error %d).</translation>
    </message>
    <message>
        <source>获取DNS系统配置参数成功。</source>
        <translation>DNS settings loaded.</translation>
    </message>
    <message>
        <source>获取DNS系统配置参数失败，%s(错误号:%d)。</source>
        <translation>Could not load the DNS settings, %s (error %d).</translation>
    </message>
    <message>
        <source>获取DNS系统配置参数失败，网络连接错误。</source>
        <translation>Could not load the DNS settings: network error.</translation>
    </message>
    <message>
        <source>设置DNS系统配置参数成功。</source>
        <translation>DNS settings saved.</translation>
    </message>
    <message>
        <source>设置DNS系统配置参数失败，%s(错误号:%d)。</source>
        <translation>Could not save the DNS settings, %s (error %d).</translation>
    </message>
    <message>
        <source>设置DNS系统配置参数失败，网络连接错误。</source>
        <translation>Could not save the DNS settings: network error.</translation>
    </message>
    <message>
        <source>清理所有已缓存的 DNS 成功。</source>
        <translation>All cached DNS entries cleaned.</translation>
    </message>
    <message>
        <source>清理所有已缓存的 DNS 失败，%s(错误号:%d)。</source>
        <translation>Could not clean the cached DNS entries, %s (error %d).</translation>
    </message>
    <message>
        <source>清理所有已缓存的 DNS 失败，网络连接错误。</source>
        <translation>Could not clean the cached DNS entries: network error.</translation>
    </message>
    <message>
        <source>获取 DNS 缓存列表失败，%s(错误号:%d)。</source>
        <translation>Could not load the DNS cache list, %s (error %d).</translation>
    </message>
    <message>
        <source>获取域名转向列表成功。</source>
        <translation>Redirected domains loaded.</translation>
    </message>
    <message>
        <source>获取域名转向列表失败，%s(错误号:%d)。</source>
        <translation>Could not load the redirected domains, %s (error %d).</translation>
    </message>
    <message>
        <source>获取域名转向列表失败，网络连接错误。</source>
        <translation>Could not load the redirected domains: network error.</translation>
    </message>
    <message>
        <source>增加域名转向列表成功。</source>
        <translation>Redirected domain added.</translation>
    </message>
    <message>
        <source>增加域名转向列表失败，%s(错误号:%d)。</source>
        <translation>Could not add the redirected domain, %s (error %d).</translation>
    </message>
    <message>
        <source>增加域名转向列表失败，网络连接错误。</source>
        <translation>Could not add the redirected domain: network error.</translation>
    </message>
    <message>
        <source>修改域名转向列表成功。</source>
        <translation>Redirected domain modified.</translation>
    </message>
    <message>
        <source>修改域名转向列表失败，%s(错误号:%d)。</source>
        <translation>Could not modify the redirected domain, %s (error %d).</translation>
    </message>
    <message>
        <source>修改域名转向列表失败，网络连接错误。</source>
        <translation>Could not modify the redirected domain: network error.</translation>
    </message>
    <message>
        <source>删除域名转向列表成功。</source>
        <translation>Redirected domain deleted.</translation>
    </message>
    <message>
        <source>删除域名转向列表失败，%s(错误号:%d)。</source>
        <translation>Could not delete the redirected domain, %s (error %d).</translation>
    </message>
    <message>
        <source>删除域名转向列表失败，网络连接错误。</source>
        <translation>Could not delete the redirected domain: network error.</translation>
    </message>
    <message>
        <source>修改视频劫持设置成功。</source>
        <translation>Video redirection settings changed.</translation>
    </message>
    <message>
        <source>修改视频劫持设置失败，%s(错误号:%d)。</source>
        <translation>Could not change the video redirection settings, %s (error %d).</translation>
    </message>
    <message>
        <source>修改视频劫持设置失败，网络连接错误。</source>
        <translation>Could not change the video redirection settings: network error.</translation>
    </message>
    <message>
        <source>获取集群主机列表成功。</source>
        <translation>Cluster hosts loaded.</translation>
    </message>
    <message>
        <source>获取集群主机列表失败，%s(错误号:%d)。</source>
        <translation>Could not load the cluster hosts, %s (error %d).</translation>
    </message>
    <message>
        <source>获取集群主机列表失败，网络连接错误。</source>
        <translation>Could not load the cluster hosts: network error.</translation>
    </message>
    <message>
        <source>增加集群主机成功。</source>
        <translation>Cluster host added.</translation>
    </message>
    <message>
        <source>增加集群主机失败，%s(错误号:%d)。</source>
        <translation>Could not add the cluster host, %s (error %d).</translation>
    </message>
    <message>
        <source>增加集群主机失败，网络连接错误。</source>
        <translation>Could not add the cluster host: network error.</translation>
    </message>
    <message>
        <source>修改集群主机成功。</source>
        <translation>Cluster host modified.</translation>
    </message>
    <message>
        <source>修改集群主机失败，%s(错误号:%d)。</source>
        <translation>Could not modify the cluster host, %s (error %d).</translation>
    </message>
    <message>
        <source>修改集群主机失败，网络连接错误。</source>
        <translation>Could not modify the cluster host: network error.</translation>
    </message>
    <message>
        <source>删除集群主机成功。</source>
        <translation>Cluster host deleted.</translation>
    </message>
    <message>
        <source>删除集群主机失败，%s(错误号:%d)。</source>
        <translation>Could not delete the cluster host, %s (error %d).</translation>
    </message>
    <message>
        <source>删除集群主机失败，网络连接错误。</source>
        <translation>Could not delete the cluster host: network error.</translation>
    </message>
    <message>
        <source>获取系统配置信息成功。</source>
        <translation>System settings loaded.</translation>
    </message>
    <message>
        <source>获取获取系统配置信息失败，%s(错误号:%d)。</source>
        <translation>Could not load the system settings, %s (error %d).</translation>
    </message>
    <message>
        <source>设置系统配置信息成功。</source>
        <translation>System settings saved.</translation>
    </message>
    <message>
        <source>设置系统配置信息失败，%s(错误号:%d)。</source>
        <translation>Could not save the system settings, %s (error %d).</translation>
    </message>
    <message>
        <source>缓存测试失败，%s(错误号:%d)。</source>
        <translation>Cache test failed, %s (error %d).</translation>
    </message>
    <message>
        <source>验证正则表达式语法失败，%s(错误号:%d)。</source>
        <translation>Could not check the regular expression, %s (error %d).</translation>
    </message>
    <message>
        <source>IP地址查询失败，%s(错误号:%d)。</source>
        <translation>IP address lookup failed, %s (error %d).</translation>
    </message>
    <message>
        <source>获取所有缓存 Url 列表失败，%s(错误号:%d)。</source>
        <translation>Could not get the list of cached URLs, %s (error %d).</translation>
    </message>
    <message>
        <source>测试结果: 此 Url 允许但还无被页面缓存.</source>
        <translation>Test result: this URL may be cached but is not in the page cache yet.</translation>
    </message>
    <message>
        <source>测试结果: 此 Url 允许并已经被页面缓存.</source>
        <translation>Test result: this URL may be cached and is in the page cache.</translation>
    </message>
    <message>
        <source>测试结果: 此 Url 被拒绝缓存.</source>
        <translation>Test result: this URL is refused by the cache.</translation>
    </message>
    <message>
        <source>测试结果: 此 Url 属于会员登录验证地址(属于会话缓存设定), 此页面拒绝被缓存.</source>
        <translation>Test result: this URL is a member login check address (a session cache rule); the page is not cached.</translation>
    </message>
    <message>
        <source>测试结果: Morvix 将根据网站的 HTTP 返回头(Pragma, Date, Expire 和 Cache-Control)决定是否缓存和缓存时长(智能缓存).</source>
        <translation>Test result: Morvix decides whether and how long to cache from the site&apos;s HTTP reply headers (Pragma, Date, Expire and Cache-Control) (intelligent caching).</translation>
    </message>
    <message>
        <source>无此记录或IP地址格式错误</source>
        <translation>No such record, or the IP address is not valid</translation>
    </message>
    <message>
        <source>本服务器当前角色不是集群从服务器</source>
        <translation>This server is not a cluster slave now</translation>
    </message>
    <message>
        <source>连接集群主服务器失败 (网络失败)</source>
        <translation>Could not connect to the cluster master (network failure)</translation>
    </message>
    <message>
        <source>正在连接集群主服务器 ...</source>
        <translation>Connecting to the cluster master ...</translation>
    </message>
    <message>
        <source>连接集群主服务器失败 (认证失败)</source>
        <translation>Could not connect to the cluster master (check failed)</translation>
    </message>
    <message>
        <source>连接集群主服务器成功</source>
        <translation>Connected to the cluster master</translation>
    </message>
    <message>
        <source>设定集群主服务器的服务端口：</source>
        <translation>Master&apos;s service port:</translation>
    </message>
    <message>
        <source>设定集群主服务器验证序列号：</source>
        <translation>Master&apos;s check serial:</translation>
    </message>
    <message>
        <source>设定集群主服务器的IP和端口：</source>
        <translation>Master&apos;s IP and port:</translation>
    </message>
    <message>
        <source>为本服务器设定一个名称：</source>
        <translation>A name for this server:</translation>
    </message>
    <message>
        <source>无效或暂停</source>
        <translation>Not valid or paused</translation>
    </message>
    <message>
        <source>使用中</source>
        <translation>In use</translation>
    </message>
    <message>
        <source>缓存目录已满,正在清理中</source>
        <translation>Cache folder full, cleaning</translation>
    </message>
    <message>
        <source>限定 Morvix 可用内存：</source>
        <translation>Memory Morvix may use:</translation>
    </message>
    <message>
        <source>限定最大并发连接数：</source>
        <translation>Most concurrent connections:</translation>
    </message>
    <message>
        <source>个，默认：5000，可设置范围：[0 - 60000]</source>
        <translation>connections, default: 5000, range: [0 - 60000]</translation>
    </message>
    <message>
        <source>限定硬盘缓存文件的最小尺寸：</source>
        <translation>Smallest disk cache file:</translation>
    </message>
    <message>
        <source>字节，默认：32768，可设置范围：[8096 - 1048576]</source>
        <translation>bytes, default: 32768, range: [8096 - 1048576]</translation>
    </message>
    <message>
        <source>硬盘缓存目录的最大深度：</source>
        <translation>Deepest disk cache folder level:</translation>
    </message>
    <message>
        <source>级，默认：4，可设置范围：[1 - 6]</source>
        <translation>levels, default: 4, range: [1 - 6]</translation>
    </message>
    <message>
        <source>硬盘缓存时内容去重的页面的最小尺寸：</source>
        <translation>Smallest page deduplicated in the disk cache:</translation>
    </message>
    <message>
        <source>KB，默认：2048，可设置范围：[64 - 10240]</source>
        <translation>KB, default: 2048, range: [64 - 10240]</translation>
    </message>
    <message>
        <source>同时读写硬盘缓存文件的最大数量限制：</source>
        <translation>Most disk cache files open at once:</translation>
    </message>
    <message>
        <source>个，默认：5000，可设置范围：[1 - 10240]</source>
        <translation>files, default: 5000, range: [1 - 10240]</translation>
    </message>
    <message>
        <source>限定缓存索引占可用内存百分比：</source>
        <translation>Cache index share of usable memory:</translation>
    </message>
    <message>
        <source>%，可设置范围：[0-50]，重启后生效！</source>
        <translation>%, range: [0-50], takes effect after a restart!</translation>
    </message>
    <message>
        <source>域名哈希</source>
        <translation>Domain hash</translation>
    </message>
    <message>
        <source>域名哈希：根据域名 HASH 值定向到集群内其中一台缓存上，相同的域名将始终定向到同一台缓存上。</source>
        <translation>Domain hash: each domain goes to one cache of the cluster by its HASH; the same domain always goes to the same cache.</translation>
    </message>
    <message>
        <source>IP哈希</source>
        <translation>IP hash</translation>
    </message>
    <message>
        <source>IP哈希：根据用户 IP 地址 HASH 值定向到集群内其中一台缓存上，相同的用户将始终定向到同一台缓存上，默认选项。</source>
        <translation>IP hash: each user goes to one cache of the cluster by the HASH of their IP address; the same user always goes to the same cache. The default.</translation>
    </message>
    <message>
        <source>轮询访问</source>
        <translation>Round robin</translation>
    </message>
    <message>
        <source>轮询访问：逐一轮询访问集群内所有缓存服务器，建立对等访问机会。</source>
        <translation>Round robin: every cache server of the cluster is used in turn, each getting an equal share.</translation>
    </message>
    <message>
        <source>随机访问</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>随机访问：随机访问集群内其中一台缓存服务器，建立对等访问机会。</source>
        <translation>Random: a cache server of the cluster is picked at random, each getting an equal share.</translation>
    </message>
    <message>
        <source>Morvix 服务器 IP 地址：</source>
        <translation>Morvix server IP address:</translation>
    </message>
    <message>
        <source>必填，注意：要求用户机能连接到 Morvix</source>
        <translation>Required; users&apos; machines must be able to reach Morvix</translation>
    </message>
    <message>
        <source>说明：Morvix 轮询使用上游 DNS 列表执行域名解析操作，并实现内网 DNS 缓存加速</source>
        <translation>Morvix uses the upstream DNS servers in turn to resolve domains, and caches DNS answers for the local network</translation>
    </message>
    <message>
        <source>添加自定义劫持域名</source>
        <translation>Add a custom redirected domain</translation>
    </message>
    <message>
        <source>修改选中的劫持域名</source>
        <translation>Modify the selected redirected domain</translation>
    </message>
    <message>
        <source>按 Ctrl 或 Shift 键多选可批量删除自定义劫持域名</source>
        <translation>Hold Ctrl or Shift to select several custom redirected domains to delete</translation>
    </message>
    <message>
        <source>刷新域名劫持列表</source>
        <translation>Refresh the redirected domains</translation>
    </message>
    <message>
        <source>导出自定义劫持列表完成</source>
        <translation>Custom redirects exported</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>参数设置</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>域名劫持</source>
        <translation>Domain redirection</translation>
    </message>
    <message>
        <source>视频劫持</source>
        <translation>Video redirection</translation>
    </message>
    <message>
        <source>集群设置</source>
        <translation>Cluster settings</translation>
    </message>
    <message>
        <source>*限定 Morvix 可用内存：</source>
        <translation>*Memory Morvix may use:</translation>
    </message>
    <message>
        <source>MB，范围：[32 -  最大剩余内存]（重启生效！）</source>
        <translation>MB, range: [32 -  largest free memory] (takes effect after a restart!)</translation>
    </message>
    <message>
        <source>最大并发连接数：</source>
        <translation>Most concurrent connections:</translation>
    </message>
    <message>
        <source>浏览器客户端连接发送缓冲：</source>
        <translation>Browser connection send buffer:</translation>
    </message>
    <message>
        <source>KB，默认：32，可设置范围：[8 - 32]</source>
        <translation>KB, default: 32, range: [8 - 32]</translation>
    </message>
    <message>
        <source>浏览器客户端连接接收缓冲：</source>
        <translation>Browser connection receive buffer:</translation>
    </message>
    <message>
        <source>KB，默认：8，可设置范围：[8 - 32]</source>
        <translation>KB, default: 8, range: [8 - 32]</translation>
    </message>
    <message>
        <source>缓存块最大尺寸：</source>
        <translation>Largest cache block:</translation>
    </message>
    <message>
        <source>KB，默认：512，可设置范围：[0 - 1024]</source>
        <translation>KB, default: 512, range: [0 - 1024]</translation>
    </message>
    <message>
        <source>客户端请求超时时间：</source>
        <translation>Client request timeout:</translation>
    </message>
    <message>
        <source>秒，默认：16，可设置范围：[5 - 3600]</source>
        <translation>s, default: 16, range: [5 - 3600]</translation>
    </message>
    <message>
        <source>限制源站最大并发连接请求数：</source>
        <translation>Most concurrent origin connections:</translation>
    </message>
    <message>
        <source>会话缓存最大允许占用内存的尺寸：</source>
        <translation>Most memory for the session cache:</translation>
    </message>
    <message>
        <source>MB，默认：100，可设置范围：[0 - 200]</source>
        <translation>MB, default: 100, range: [0 - 200]</translation>
    </message>
    <message>
        <source>允许在 HTTP 头增加客户端浏览器 IP 地址(例: X-Forwarded-For: 192.168.1.100)</source>
        <translation>Add the browser&apos;s IP address to the HTTP headers (e.g. X-Forwarded-For: 192.168.1.100)</translation>
    </message>
    <message>
        <source>浏览器手动刷新时(F5或Ctrl+F5), 是否启用缓存（默认：√）</source>
        <translation>Use the cache when the browser refreshes by hand (F5 or Ctrl+F5) (default: √)</translation>
    </message>
    <message>
        <source>关闭访问日志记录（默认: √）</source>
        <translation>Turn off the access log (default: √)</translation>
    </message>
    <message>
        <source>搜索引擎抓取的页面不加入到缓存系统（默认: √）</source>
        <translation>Do not cache pages fetched by search engines (default: √)</translation>
    </message>
    <message>
        <source>搜索引擎抓取的页面不计入到统计流量（默认: √）</source>
        <translation>Do not count pages fetched by search engines in the traffic (default: √)</translation>
    </message>
    <message>
        <source>缓存测试工具</source>
        <translation>Cache test</translation>
    </message>
    <message>
        <source>验证正则表达式语法</source>
        <translation>Check a regular expression</translation>
    </message>
    <message>
        <source>IP地址查询</source>
        <translation>IP address lookup</translation>
    </message>
    <message>
        <source>缓存测试地址：</source>
        <translation>URL to test:</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>正则表达式语法：</source>
        <translation>Regular expression:</translation>
    </message>
    <message>
        <source>验证</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>IP地址：</source>
        <translation>IP address:</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Look up</translation>
    </message>
    <message>
        <source>监控所有用户</source>
        <translation>Watching all users</translation>
    </message>
    <message>
        <source>默认监控所有用户</source>
        <translation>Watching all users by default</translation>
    </message>
    <message>
        <source>获取主机列表信息失败，%s(错误号:%d)。</source>
        <translation>Could not load the host list, %s (error %d).</translation>
    </message>
    <message>
        <source>获取主机列表信息失败，网络连接错误。</source>
        <translation>Could not load the host list: network error.</translation>
    </message>
    <message>
        <source>获取源站地址列表失败，%s(错误号:%d)</source>
        <translation>Could not load the origin list, %s (error %d)</translation>
    </message>
    <message>
        <source>获取源站地址列表失败，网络连接错误。</source>
        <translation>Could not load the origin list: network error.</translation>
    </message>
    <message>
        <source>获取实时监控信息失败，%s(错误号:%d)。</source>
        <translation>Could not load the live figures, %s (error %d).</translation>
    </message>
    <message>
        <source>获取统计报告失败，%s(错误号:%d)。</source>
        <translation>Could not load the traffic report, %s (error %d).</translation>
    </message>
    <message>
        <source>获取统计报告失败，网络连接错误。</source>
        <translation>Could not load the traffic report: network error.</translation>
    </message>
    <message>
        <source>获取实时访问监控记录列表失败，%s(错误号:%d)。</source>
        <translation>Could not load the live request watches, %s (error %d).</translation>
    </message>
    <message>
        <source>获取实时访问监控记录列表失败，网络连接错误。</source>
        <translation>Could not load the live request watches: network error.</translation>
    </message>
    <message>
        <source>添加实时访问监控记录成功。</source>
        <translation>Live request watch added.</translation>
    </message>
    <message>
        <source>添加实时访问监控记录失败，%s(错误号:%d)。</source>
        <translation>Could not add the live request watch, %s (error %d).</translation>
    </message>
    <message>
        <source>添加实时访问监控记录失败，网络连接错误。</source>
        <translation>Could not add the live request watch: network error.</translation>
    </message>
    <message>
        <source>删除实时访问监控记录成功。</source>
        <translation>Live request watch deleted.</translation>
    </message>
    <message>
        <source>删除实时访问监控记录失败，%s(错误号:%d)。</source>
        <translation>Could not delete the live request watch, %s (error %d).</translation>
    </message>
    <message>
        <source>删除实时访问监控记录失败，网络连接错误。</source>
        <translation>Could not delete the live request watch: network error.</translation>
    </message>
    <message>
        <source>修改用户密码成功。</source>
        <translation>Password changed.</translation>
    </message>
    <message>
        <source>修改用户密码失败，%s(错误号:%d)。</source>
        <translation>Could not change the password, %s (error %d).</translation>
    </message>
    <message>
        <source>修改用户密码失败，网络连接错误。</source>
        <translation>Could not change the password: network error.</translation>
    </message>
    <message>
        <source>Morvix 到源站之间的连接数</source>
        <translation>Connections from Morvix to the origins</translation>
    </message>
    <message>
        <source>用户到 Morvix 的下载带宽</source>
        <translation>Download bandwidth from users to Morvix</translation>
    </message>
    <message>
        <source>用户到 Morvix 的上传带宽</source>
        <translation>Upload bandwidth from users to Morvix</translation>
    </message>
    <message>
        <source>两次请求之间 Morvix 发送给用户的数据</source>
        <translation>Data Morvix sent to users between two requests</translation>
    </message>
    <message>
        <source>两次请求之间 Morvix 从用户接收的数据</source>
        <translation>Data Morvix received from users between two requests</translation>
    </message>
    <message>
        <source>源站连接数</source>
        <translation>Origin connections</translation>
    </message>
    <message>
        <source>用户下载带宽</source>
        <translation>User download bandwidth</translation>
    </message>
    <message>
        <source>用户上传带宽</source>
        <translation>User upload bandwidth</translation>
    </message>
    <message>
        <source>每间隔发送</source>
        <translation>Sent per interval</translation>
    </message>
    <message>
        <source>每间隔接收</source>
        <translation>Received per interval</translation>
    </message>
    <message>
        <source>每间隔请求数</source>
        <translation>Requests per interval</translation>
    </message>
    <message>
        <source>用户连接数</source>
        <translation>User connections</translation>
    </message>
    <message>
        <source>日请求数</source>
        <translation>Requests per day</translation>
    </message>
    <message>
        <source>源站名或IP</source>
        <translation>Origin name or IP</translation>
    </message>
    <message>
        <source>日请求量</source>
        <translation>Requests per day</translation>
    </message>
    <message>
        <source>源站宕机时将显示宕机时间</source>
        <translation>Shows when the origin went down</translation>
    </message>
    <message>
        <source>轮询请求</source>
        <translation>Round robin</translation>
    </message>
    <message>
        <source>IP地址哈希</source>
        <translation>IP address hash</translation>
    </message>
    <message>
        <source>URL地址哈希</source>
        <translation>URL hash</translation>
    </message>
    <message>
        <source>实时访问监控连接已断开，正在重新连接....</source>
        <translation>The live request link was lost; reconnecting....</translation>
    </message>
    <message>
        <source>3秒</source>
        <translation>3 s</translation>
    </message>
    <message>
        <source>10秒</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>30秒</source>
        <translation>30 s</translation>
    </message>
    <message>
        <source>60秒</source>
        <translation>60 s</translation>
    </message>
    <message>
        <source>省份</source>
        <translation>Province</translation>
    </message>
    <message>
        <source>总请求量TR</source>
        <translation>Total requests (TR)</translation>
    </message>
    <message>
        <source>独立访问IP量</source>
        <translation>Unique IPs</translation>
    </message>
    <message>
        <source>人均请求数量</source>
        <translation>Requests per user</translation>
    </message>
    <message>
        <source>流量百分比</source>
        <translation>Traffic share</translation>
    </message>
    <message>
        <source>正在添加实时访问监控记录，请稍候....</source>
        <translation>Adding the live request watch, please wait....</translation>
    </message>
    <message>
        <source>正在删除实时访问监控记录，请稍候....</source>
        <translation>Deleting the live request watch, please wait....</translation>
    </message>
    <message>
        <source>正在获取实时访问监控记录列表，请稍候....</source>
        <translation>Loading the live request watches, please wait....</translation>
    </message>
    <message>
        <source>显示地理位置信息</source>
        <translation>Show location</translation>
    </message>
    <message>
        <source>显示用户访问时间戳</source>
        <translation>Show request time</translation>
    </message>
    <message>
        <source>显示浏览器信息(User-Agent)</source>
        <translation>Show browser (User-Agent)</translation>
    </message>
    <message>
        <source>显示缓存命中值(0或1)</source>
        <translation>Show cache hit (0 or 1)</translation>
    </message>
    <message>
        <source>显示会员缓存命中值(0或1)</source>
        <translation>Show member cache hit (0 or 1)</translation>
    </message>
    <message>
        <source>显示访问合法性信息(0或1)</source>
        <translation>Show request validity (0 or 1)</translation>
    </message>
    <message>
        <source>用户并发连接请求数：</source>
        <translation>Concurrent user connections:</translation>
    </message>
    <message>
        <source>源站并发连接请求数：</source>
        <translation>Concurrent origin connections:</translation>
    </message>
    <message>
        <source>已发送数据量：</source>
        <translation>Data sent:</translation>
    </message>
    <message>
        <source>已接收数据量：</source>
        <translation>Data received:</translation>
    </message>
    <message>
        <source>当前内存总占用：</source>
        <translation>Total memory in use:</translation>
    </message>
    <message>
        <source>当前页面缓存数量：</source>
        <translation>Pages cached now:</translation>
    </message>
    <message>
        <source>当前缓存页面占用内存：</source>
        <translation>Memory used by cached pages:</translation>
    </message>
    <message>
        <source>公共缓存占用的内存尺寸：</source>
        <translation>Memory used by the public cache:</translation>
    </message>
    <message>
        <source>会员缓存占用的内存尺寸：</source>
        <translation>Memory used by the member cache:</translation>
    </message>
    <message>
        <source>游客缓存占用的内存尺寸：</source>
        <translation>Memory used by the guest cache:</translation>
    </message>
    <message>
        <source>已缓存会话的数量：</source>
        <translation>Sessions cached:</translation>
    </message>
    <message>
        <source>公共缓存的页面数量：</source>
        <translation>Pages in the public cache:</translation>
    </message>
    <message>
        <source>会员缓存的页面数量：</source>
        <translation>Pages in the member cache:</translation>
    </message>
    <message>
        <source>游客缓存的页面数量：</source>
        <translation>Pages in the guest cache:</translation>
    </message>
    <message>
        <source>Morvix 服务器启动时间：</source>
        <translation>Morvix server started:</translation>
    </message>
    <message>
        <source>Morvix 服务器当前时间：</source>
        <translation>Morvix server time:</translation>
    </message>
    <message>
        <source>服务器忙</source>
        <translation>Server busy</translation>
    </message>
    <message>
        <source>服务器不支持此请求</source>
        <translation>The server does not support this request</translation>
    </message>
    <message>
        <source>用户名或密码错误</source>
        <translation>Wrong user name or password</translation>
    </message>
    <message>
        <source>会话已过期，需重新登录</source>
        <translation>Session expired; log in again</translation>
    </message>
    <message>
        <source>监控员没有对系统修改的权限</source>
        <translation>A monitor may not change the system</translation>
    </message>
    <message>
        <source>提交的字段格式错误</source>
        <translation>A field sent is not well formed</translation>
    </message>
    <message>
        <source>要添加的 URL 已经存在或 URL 正则表达式语法错</source>
        <translation>The URL to add exists already, or its regular expression is not valid</translation>
    </message>
    <message>
        <source>要修改的 URL 已经被删除或 URL 正则表达式语法错</source>
        <translation>The URL to modify was deleted, or its regular expression is not valid</translation>
    </message>
    <message>
        <source>要清理的 URL 正则表达式语法错</source>
        <translation>The regular expression of the URL to clean is not valid</translation>
    </message>
    <message>
        <source>要添加的名单已经存在或与已有名单有冲突</source>
        <translation>The entry to add exists already or conflicts with an entry</translation>
    </message>
    <message>
        <source>要修改的名单已经存在或与已有名单有冲突</source>
        <translation>The entry to modify exists already or conflicts with an entry</translation>
    </message>
    <message>
        <source>要添加的代理主机已经存在</source>
        <translation>The proxy host to add exists already</translation>
    </message>
    <message>
        <source>要修改的代理主机已经不存在或与已有主机名有冲突</source>
        <translation>The proxy host to modify no longer exists or conflicts with a host name</translation>
    </message>
    <message>
        <source>要添加的源站已经存在</source>
        <translation>The origin to add exists already</translation>
    </message>
    <message>
        <source>要修改的源站已经不存在或与已有源站名有冲突</source>
        <translation>The origin to modify no longer exists or conflicts with an origin name</translation>
    </message>
    <message>
        <source>要添加的转向 URL 已经存在或 URL 正则表达式语法错</source>
        <translation>The rewrite URL to add exists already, or its regular expression is not valid</translation>
    </message>
    <message>
        <source>要修改的转向 URL 已经不存在或 URL 正则表达式语法错</source>
        <translation>The rewrite URL to modify no longer exists, or its regular expression is not valid</translation>
    </message>
    <message>
        <source>要添加的保护链 URL 已经存在或 URL 正则表达式语法错</source>
        <translation>The protected-link URL to add exists already, or its regular expression is not valid</translation>
    </message>
    <message>
        <source>要修改的保护链 URL 已经不存在或 URL 正则表达式语法错</source>
        <translation>The protected-link URL to modify no longer exists, or its regular expression is not valid</translation>
    </message>
    <message>
        <source>要添加的引用链 URL 已经存在或 URL 正则表达式语法错</source>
        <translation>The referrer URL to add exists already, or its regular expression is not valid</translation>
    </message>
    <message>
        <source>要修改的引用链 URL 已经不存在或 URL 正则表达式语法错</source>
        <translation>The referrer URL to modify no longer exists, or its regular expression is not valid</translation>
    </message>
    <message>
        <source>要添加的引用链 URL 已经存在或 URL 正则表达式语法错误</source>
        <translation>The referrer URL to add exists already, or its regular expression is wrong</translation>
    </message>
    <message>
        <source>要监控的分量统计配置已不存在</source>
        <translation>The watched statistics setting no longer exists</translation>
    </message>
    <message>
        <source>自定义劫持域名已经存在</source>
        <translation>The custom redirected domain exists already</translation>
    </message>
    <message>
        <source>%s成功。</source>
        <translation>%s succeeded.</translation>
    </message>
    <message>
        <source>%s成功</source>
        <translation>%s succeeded</translation>
    </message>
    <message>
        <source>%s失败，%s(错误号:%d)。</source>
        <translation>%s failed, %s (error %d).</translation>
    </message>
    <message>
        <source>%s失败，(错误号:%d)</source>
        <translation>%s failed, (error %d)</translation>
    </message>
    <message>
        <source>%s失败，网络连接错误。</source>
        <translation>%s failed: network error.</translation>
    </message>
    <message>
        <source>数据格式错误，返回的Json数据格式解析错误!</source>
        <translation>Malformed data: the JSON reply could not be parsed!</translation>
    </message>
    <message>
        <source>连接%s失败，请检查网络连接是否正常或者会话已过期</source>
        <translation>Could not connect to %s; check the network, or the session has expired</translation>
    </message>
    <message>
        <source>设置未能保存：无法写入</source>
        <translation>Settings not saved: cannot write </translation>
    </message>
    <message>
        <source>正在从%s获取页面缓存列表数据，请稍候....</source>
        <translation>Loading the page cache rules from %s, please wait....</translation>
    </message>
    <message>
        <source>Morvix 远程监控端</source>
        <translation>Morvix remote console</translation>
    </message>
    <message>
        <source>平均命中率</source>
        <translation>Average hit rate</translation>
    </message>
    <message>
        <source>当前命中率</source>
        <translation>Current hit rate</translation>
    </message>
    <message>
        <source>外部带宽值</source>
        <translation>External bandwidth</translation>
    </message>
    <message>
        <source>内部带宽值</source>
        <translation>Internal bandwidth</translation>
    </message>
    <message>
        <source>外部连接数</source>
        <translation>External connections</translation>
    </message>
    <message>
        <source>内部连接数</source>
        <translation>Internal connections</translation>
    </message>
    <message>
        <source>内存缓存尺寸</source>
        <translation>Memory cache size</translation>
    </message>
    <message>
        <source>内存缓存数量</source>
        <translation>Memory cache items</translation>
    </message>
    <message>
        <source>请输入缓存目录，如：E:\morvix-cache-1</source>
        <translation>Enter a cache folder, e.g. E:\morvix-cache-1</translation>
    </message>
    <message>
        <source>请输入缓存目录，如：/morvix-cache-1</source>
        <translation>Enter a cache folder, e.g. /morvix-cache-1</translation>
    </message>
    <message>
        <source>您未连接到远程Morvix缓存服务器或会话已经过期，请连接服务器。</source>
        <translation>You are not connected to a remote Morvix cache server, or the session has expired; please connect.</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source> 个值中的换行写作了空格</source>
        <translation> line breaks in values written as blanks</translation>
    </message>
    <message>
        <source> 个</source>
        <translation> </translation>
    </message>
    <message>
        <source>。</source>
        <translation>.</translation>
    </message>
    <message>
        <source>无法写入文件 </source>
        <translation>Cannot write the file </translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>文件 </source>
        <translation>The file </translation>
    </message>
    <message>
        <source> 有 </source>
        <translation> has </translation>
    </message>
    <message>
        <source>（</source>
        <translation> (</translation>
    </message>
    <message>
        <source> 字节），超过 </source>
        <translation> bytes), over the limit of </translation>
    </message>
    <message>
        <source> 的上限，没有读取</source>
        <translation>; not read</translation>
    </message>
    <message>
        <source> 超过 </source>
        <translation> over </translation>
    </message>
    <message>
        <source>流量监控</source>
        <translation>Traffic</translation>
    </message>
    <message>
        <source>实时流量统计：实时监控、系统资源监控与统计报告</source>
        <translation>Live traffic: live figures, system resources and traffic reports</translation>
    </message>
    <message>
        <source>实时访问监控与请求监控记录</source>
        <translation>Live requests and request watches</translation>
    </message>
    <message>
        <source>域名监控</source>
        <translation>Domains</translation>
    </message>
    <message>
        <source>域名与源站监控</source>
        <translation>Domains and origins</translation>
    </message>
    <message>
        <source>缓存规则</source>
        <translation>Cache rules</translation>
    </message>
    <message>
        <source>页面缓存、拒绝缓存与会话缓存规则，缓存清理</source>
        <translation>Page cache, refuse-cache and session cache rules; cache cleaning</translation>
    </message>
    <message>
        <source>转向规则</source>
        <translation>Rewrite rules</translation>
    </message>
    <message>
        <source>安全设置</source>
        <translation>Security</translation>
    </message>
    <message>
        <source>黑名单与白名单</source>
        <translation>Black and white lists</translation>
    </message>
    <message>
        <source>DNS 服务、域名劫持与负载均衡</source>
        <translation>DNS service, domain redirection and load balancing</translation>
    </message>
    <message>
        <source>集群配置</source>
        <translation>Cluster</translation>
    </message>
    <message>
        <source>集群角色与集群状态</source>
        <translation>Cluster role and status</translation>
    </message>
    <message>
        <source>缓存列表</source>
        <translation>Cached URLs</translation>
    </message>
    <message>
        <source>所有已缓存的 Url</source>
        <translation>All cached URLs</translation>
    </message>
    <message>
        <source>系统选项</source>
        <translation>System options</translation>
    </message>
    <message>
        <source>超级后台</source>
        <translation>Web admin</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>正在连接到 %s</source>
        <translation>Connecting to %s</translation>
    </message>
    <message>
        <source>Morvix 服务器</source>
        <translation>Morvix server</translation>
    </message>
    <message>
        <source>缓存服务器</source>
        <translation>cache server</translation>
    </message>
    <message>
        <source>登录%s失败，服务器忙（错误号:%d)</source>
        <translation>Could not log in to %s: server busy (error %d)</translation>
    </message>
    <message>
        <source>登录%s失败，用户名不存在或密码错误（错误号:%d)</source>
        <translation>Could not log in to %s: no such user or wrong password (error %d)</translation>
    </message>
    <message>
        <source>连接%s失败，请检查网络连接是否正常或输入的服务器地址是否正确</source>
        <translation>Could not connect to %s; check the network and the server address</translation>
    </message>
    <message>
        <source>登录服务器失败，返回的Json数据格式解析错误!</source>
        <translation>Could not log in: the JSON reply could not be parsed!</translation>
    </message>
    <message>
        <source>登录%s成功。</source>
        <translation>Logged in to %s.</translation>
    </message>
    <message>
        <source>集群说明：
1、集群机制：通过域名劫持，将用户访问分流到不同的集群主机上来实现。支持 4 种负载均衡模式。
2、集群生效：一旦集群中加入了集群主机，集群模式将立即生效。另外本机也允许加入到集群中。
3、宕机检测：某集群主机宕机后，流量将切换到其它主机。如集群主机全部宕机，将不再劫持，流量将直接回源。</source>
        <translation>About the cluster:
1. How it works: domain redirection spreads users&apos; requests over the cluster hosts. Four load-balancing modes are offered.
2. When it applies: as soon as a host joins the cluster, cluster mode applies. This server may join the cluster too.
3. Down check: when a cluster host goes down, its traffic moves to the other hosts. When every host is down, nothing is redirected and traffic goes straight to the origins.</translation>
    </message>
    <message>
        <source>劫持说明：
1、劫持原理：当用户访问下面列表中的域名时，默认会被解析/劫持到 Morvix 上并完成缓存操作。
2、问题处理：当某域名访问出现问题后，可临时性将其修改为拒绝劫持，拒绝劫持后页面访问将直接回源。
3、添加删除：支持自定义添加/删除/导入/导出，特别注意：被解析/劫持到 Morvix 上的域名必须是走 HTTP（TCP 80）协议的。</source>
        <translation>About redirection:
1. How it works: a user&apos;s request for a domain in the list below is resolved (redirected) to Morvix, which caches it.
2. When a domain has trouble: set it to &quot;Do not redirect&quot; for a while; its pages are then fetched straight from the origin.
3. Adding and deleting: custom domains may be added, deleted, imported and exported. Note: a domain resolved (redirected) to Morvix must be served over HTTP (TCP 80).</translation>
    </message>
    <message>
        <source>视频缓存通过分析协议精确实现，说明如下：
1、勾选的视频网站将被劫持并缓存加速，取消勾选则直接回源。
2、视频缓存占用硬盘缓存空间，开启前请先配置好硬盘缓存目录。</source>
        <translation>Video caching works by reading the video protocols exactly:
1. A ticked video site is redirected and cached; an unticked one goes straight to its origin.
2. Video caching uses disk cache space: set up the disk cache folders first.</translation>
    </message>
    <message>
        <source>未加密连接</source>
        <translation>Unencrypted connection</translation>
    </message>
    <message>
        <source>服务器证书</source>
        <translation>Server certificate</translation>
    </message>
    <message>
        <source>主题：</source>
        <translation>Subject:</translation>
    </message>
    <message>
        <source>颁发者：</source>
        <translation>Issuer:</translation>
    </message>
    <message>
        <source>生效时间：</source>
        <translation>Valid from:</translation>
    </message>
    <message>
        <source>过期时间：</source>
        <translation>Expires:</translation>
    </message>
    <message>
        <source>证书指纹 SHA-256：</source>
        <translation>Certificate fingerprint SHA-256:</translation>
    </message>
    <message>
        <source>公钥指纹 SHA-256：</source>
        <translation>Public key fingerprint SHA-256:</translation>
    </message>
    <message>
        <source>仅本次信任</source>
        <translation>Trust this time only</translation>
    </message>
    <message>
        <source>始终信任</source>
        <translation>Always trust</translation>
    </message>
    <message>
        <source>导入文件</source>
        <translation>The imported file</translation>
    </message>
    <message>
        <source>域名含有“/”、“#”或空白、或地址含有“#”或空白或以“/”结尾的条目</source>
        <translation>entries whose domain holds &quot;/&quot;, &quot;#&quot; or blanks, or whose address holds &quot;#&quot; or blanks or ends in &quot;/&quot;</translation>
    </message>
    <message>
        <source>不是普通文件，没有替换</source>
        <translation>not a regular file; not replaced</translation>
    </message>
    <message>
        <source>中 </source>
        <translation>: </translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source> 行无法读取，没有导入（第 </source>
        <translation> lines could not be read and were not imported (line </translation>
    </message>
    <message>
        <source> 行）</source>
        <translation>)</translation>
    </message>
    <message>
        <source> 行中的 NUL 读作了空格（第 </source>
        <translation> lines had NUL read as blanks (line </translation>
    </message>
    <message>
        <source> 条规则超过每个列表 1000 条的上限，没有读取</source>
        <translation> rules over the limit of 1000 per list; not read</translation>
    </message>
    <message>
        <source>无法打开文件</source>
        <translation>Cannot open the file</translation>
    </message>
    <message>
        <source>无法读取文件</source>
        <translation>Cannot read the file</translation>
    </message>
    <message>
        <source> 在 </source>
        <translation> sent no data within </translation>
    </message>
    <message>
        <source> 秒内没有送来数据，没有读取</source>
        <translation> s; not read</translation>
    </message>
    <message>
        <source> 的第 </source>
        <translation>: line </translation>
    </message>
    <message>
        <source> 行既不是 UTF-8 也不是 GB18030 文本，没有读取</source>
        <translation> is neither UTF-8 nor GB18030 text; not read</translation>
    </message>
    <message>
        <source>无法保存对该服务器的信任，本次运行仍然信任它。</source>
        <translation>Cannot save the trust in this server; it stays trusted for this run.</translation>
    </message>
    <message>
        <source>注意：未加密连接，密码和会话将以明文经过网络。服务器支持时请在地址前加 https://</source>
        <translation>Note: the connection is not encrypted; passwords and sessions cross the network in clear. Put https:// before the address if the server supports it</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>连接%s失败，服务器的证书已过期或尚未生效，请检查服务器和本机的时间或更新证书</source>
        <translation>Could not connect to %s: the server&apos;s certificate has expired or is not valid yet; check the time on the server and here, or renew the certificate</translation>
    </message>
    <message>
        <source>连接%s失败，服务器的证书不是为这个地址签发的，请使用证书上的名称连接</source>
        <translation>Could not connect to %s: the server&apos;s certificate was not issued for this address; connect with the name on the certificate</translation>
    </message>
    <message>
        <source>连接%s失败，服务器的证书不是受信任的机构签发的，请核对证书后选择信任</source>
        <translation>Could not connect to %s: the server&apos;s certificate was not issued by a trusted authority; check the certificate, then choose to trust it</translation>
    </message>
    <message>
        <source>拒绝连接%s：服务器的公钥与记住的不同（记住的 %s，现在的 %s）。可能有人冒充服务器；若确认服务器换了证书，请先删除记住的公钥（morvixctl --server %s trust forget）再重新连接</source>
        <translation>Refused to connect to %s: the server&apos;s public key differs from the one remembered (remembered %s, now %s). Someone may be posing as the server; if the server&apos;s certificate really changed, first forget the remembered key (morvixctl --server %s trust forget), then connect again</translation>
    </message>
    <message>
        <source>连接%s失败，无法建立加密连接，请检查服务器是否支持https</source>
        <translation>Could not connect to %s: cannot set up an encrypted connection; check that the server supports https</translation>
    </message>
    <message>
        <source>未导出</source>
        <translation> not exported</translation>
    </message>
    <message>
        <source>%s  %s %.2f%%  %s %.2f m/s  %s %.2f%%  %s %.2f m/s  %s %d个  %s %d个  %s %s %s  %s %d个  累计节流 %s %s</source>
        <translation>%s  %s %.2f%%  %s %.2f m/s  %s %.2f%%  %s %.2f m/s  %s %d  %s %d  %s %s %s  %s %d  Traffic saved %s %s</translation>
    </message>
    <message>
        <source>添加到页面缓存列表失败，网络连接错误。</source>
        <translation>Could not add the page cache rule: network error.</translation>
    </message>
</context>
</TS>
